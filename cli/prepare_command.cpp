#include "cli/prepare_command.h"

#include <QTextStream>

#include "cli/command_line.h"
#include "cli/prepared_source.h"
#include "cli/report_tool.h"
#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"

int rpRunPrepareCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  const QString input = line.Words[0];
  const QString output = line.Value(QStringLiteral("o"));
  if (output.isEmpty()) {
    err << "stroval-report: prepare takes a report and -o OUT.rpp\n";
    return rtUsage;
  }
  TrpReport report;
  if (!rpLoadDefinition(report, input, line, err) || !rpPrepareDefinition(report, input, err))
    return rtFailed;
  TrpCustomPreviewPages& pages = *report.PreviewPages();
  if (!pages.SaveToFile(output)) {
    err << "stroval-report: " << output << ": cannot be written\n";
    return rtFailed;
  }
  out << input << ": " << pages.GetCount() << " page(s) prepared into " << output << '\n';
  return rtOk;
}
