#pragma once
// Makes every report created from now on run with the band layout engine (TrpEngine).
void rpInstallEngine();
