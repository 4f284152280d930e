#pragma once
// stroval-report prepare: a report definition prepared by the band layout engine and saved as a
// prepared report (.rpp).
#include <QString>

class QTextStream;
struct TrpCommandLine;

// Runs "prepare REPORT -o OUT.rpp [--password TEXT]"; the exit code.
int rpRunPrepareCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
