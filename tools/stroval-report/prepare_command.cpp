#include "tools/stroval-report/prepare_command.h"

#include <QTextStream>

#include "report/model/custom_preview_pages.h"
#include "report/model/report.h"
#include "tools/stroval-report/prepared_source.h"
#include "tools/stroval-report/report_tool.h"

std::optional<int> rpRunPrepareCommand(const QStringList& arguments, QTextStream& out,
                                       QTextStream& err) {
  if (arguments.isEmpty() || arguments.first() != QLatin1String("prepare")) return std::nullopt;
  QString input, output, password;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const bool valued = a == QLatin1String("-o") || a == QLatin1String("--password");
    if (valued && i + 1 >= arguments.size()) {
      err << "stroval-report: " << a << " needs a value\n";
      return rtUsage;
    }
    if (a == QLatin1String("-o")) output = arguments[++i];
    else if (a == QLatin1String("--password")) password = arguments[++i];
    else if (input.isEmpty() && !a.startsWith(u'-')) input = a;
    else {
      err << "stroval-report: prepare: unexpected \"" << a << "\"\n";
      return rtUsage;
    }
  }
  if (input.isEmpty() || output.isEmpty()) {
    err << "stroval-report: prepare takes a report and -o OUT.rpp\n";
    return rtUsage;
  }
  TrpReport report;
  if (!rpLoadDefinition(report, input, password, err) || !rpPrepareDefinition(report, input, err))
    return rtFailed;
  TrpCustomPreviewPages& pages = *report.PreviewPages();
  if (!pages.SaveToFile(output)) {
    err << "stroval-report: " << output << ": cannot be written\n";
    return rtFailed;
  }
  out << input << ": " << pages.GetCount() << " page(s) prepared into " << output << '\n';
  return rtOk;
}
