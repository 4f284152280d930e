#pragma once
// stroval-report prepare: a report definition prepared by the band layout engine and saved as a
// prepared report (.rpp).
#include <QStringList>

#include <optional>

class QTextStream;

// Runs "prepare REPORT -o OUT.rpp [--password TEXT]". Nothing (no exit code) when the command is
// another one.
std::optional<int> rpRunPrepareCommand(const QStringList& arguments, QTextStream& out,
                                       QTextStream& err);
