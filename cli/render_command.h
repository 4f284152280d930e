#pragma once
// stroval-report render: every page of a prepared report, or of a report definition prepared
// first, drawn by the prepared-pages store into PNG files.
#include <QString>

class QTextStream;
struct TrpCommandLine;

// Runs "render FILE --png DIR [--zoom Z] [--password TEXT]": page N goes to DIR/page-N.png
// (N from 1, three digits), drawn at Z pixels per report unit (1: 96 pixels per inch).
int rpRunRenderCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err);
