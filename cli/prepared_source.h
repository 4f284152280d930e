#pragma once
// Opening the input of the commands that need prepared pages: a prepared report (.rpp, root
// element "preparedreport") is loaded into the report's store; a report definition is loaded and
// prepared by the engine. Problems are written to `err`.
// The command line gives the password and what the definition reads its data from.
#include <QString>

class QTextStream;
class TrpReport;
struct TrpCommandLine;

bool rpLoadDefinition(TrpReport& report, const QString& fileName, const TrpCommandLine& line, QTextStream& err);
bool rpPrepareDefinition(TrpReport& report, const QString& fileName, QTextStream& err);
// Either kind of file; true when the report's store holds the pages.
bool rpOpenPreparedPages(TrpReport& report, const QString& fileName, const TrpCommandLine& line, QTextStream& err);
