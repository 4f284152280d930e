#pragma once
// stroval-report render: every page of a prepared report, or of a report definition prepared
// first, drawn by the prepared-pages store into PNG files.
#include <QStringList>

#include <optional>

class QTextStream;

// Runs "render FILE --png DIR [--zoom Z] [--password TEXT]": page N goes to DIR/page-N.png
// (N from 1, three digits), drawn at Z pixels per report unit (1: 96 pixels per inch). Nothing
// (no exit code) when the command is another one.
std::optional<int> rpRunRenderCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err);
