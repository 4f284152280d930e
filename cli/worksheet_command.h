#pragma once
// stroval-report worksheet: a practice sheet for every word of a word list, built by the same
// report building as the window's print command and prepared one after another into one PDF.
class QTextStream;
struct TrpCommandLine;

// Runs "worksheet --words FILE --title T [--font F] [--guides STYLE] [--trace N] -o OUT.pdf".
int rpRunWorksheetCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
