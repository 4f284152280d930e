#pragma once
// Hands the prepared pages of every report to the print job: the store's Print asks the report
// services for it. Programs call this once at start-up.
void rpInstallPrintJob();
