#pragma once
// stroval-report print and pdf: a prepared report, or a report definition prepared first,
// printed through the print job to a printer or to a PDF file.
#include <QStringList>

#include <optional>

class QTextStream;

// Runs "print FILE [--printer NAME] [--pages RANGE] [--copies N] [--mode MODE] [--sheet PAPER]"
// and "pdf FILE -o OUT.pdf [the same options but --printer]", with an optional
// "--password TEXT" anywhere. Nothing (no exit code) when the command is neither.
std::optional<int> rpRunPrintCommand(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err);
