#pragma once
// Opening the input of the commands that need prepared pages: a prepared report (.rpp, root
// element "preparedreport") is loaded into the report's store; a report definition is loaded and
// prepared by the engine. Problems are written to `err`.
#include <QString>

class QTextStream;
class TrpReport;

bool rpLoadDefinition(TrpReport& report, const QString& fileName, const QString& password,
                      QTextStream& err);
bool rpPrepareDefinition(TrpReport& report, const QString& fileName, QTextStream& err);
// Either kind of file; true when the report's store holds the pages.
bool rpOpenPreparedPages(TrpReport& report, const QString& fileName, const QString& password,
                         QTextStream& err);
