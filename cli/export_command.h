#pragma once
// stroval-report export: a prepared report, or a report definition prepared first, written
// through one of the registered export filters (PDF, PNG, JPEG, plain text). The pdf command
// without print modes goes the same way.
class QTextStream;
struct TrpCommandLine;

// Runs "export FILE --format pdf|png|jpeg|txt -o OUT [--pages RANGE] [--dpi N]".
int rpRunExportCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
// Runs "pdf FILE -o OUT.pdf [--pages RANGE]" through the PDF export.
int rpRunPdfExport(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
