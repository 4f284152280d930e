#pragma once
// Makes every report created from now on keep its prepared pages in a TrpPreviewPages store.
// Programs call it once at start-up, beside the serializer's installation.
void rpInstallPreviewPages();
