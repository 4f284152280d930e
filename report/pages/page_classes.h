#pragma once
// Start-up registration of the pages, bands and subreports with the class registry, so that the
// serializer can create them by element name.

// Registers TrpReportPage, TrpDataPage, TrpSubreport, TrpNullBand and the eighteen band kinds.
// The dialog page registers with its controls (rpRegisterDialogClasses).
void rpRegisterPageClasses();
