#pragma once
// The one start-up call that makes reports work in a program: the font substitutions, the report
// classes, the script compiler, the object serializer, the prepared-pages store, the band engine,
// the report-script binding and the print job. None of them opens a window; programs with windows
// also call rpInstallPreview (report/preview/install_preview.h).
void rpInstallReportServices();
