#pragma once
// stroval-report print and pdf: a prepared report, or a report definition prepared first,
// printed through the print job to a printer or to a PDF file.
#include <QString>

class QTextStream;
struct TrpCommandLine;

// Runs "print FILE [--printer NAME] [--pages RANGE] [--copies N] [--mode MODE] [--sheet PAPER]"
// and "pdf FILE -o OUT.pdf [the same options but --printer]", both with "--password TEXT". A pdf
// command without --copies, --mode and --sheet goes through the PDF export instead.
int rpRunPrintCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
