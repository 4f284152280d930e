#pragma once
// Start-up registration of every report class with the class registry, so that report files can
// name them: the report, its pages and bands, and the objects that sit on them.

// Registers TrpReport, the pages, bands and subreports, the visual objects, the text objects and
// the text-mode (dot-matrix) page and objects.
void rpRegisterReportClasses();
