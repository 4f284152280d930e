#include "cli/memory_bound.h"

#include <QTextStream>

#include "cli/command_line.h"
#include "report/component/report.h"
#include "report/options/engine_options.h"

bool rpApplyMemoryBound(TrpReport& report, const TrpCommandLine& line, QTextStream& err) {
  const QString value = line.Value(QStringLiteral("memory-bound"));
  if (value == QLatin1String("off")) return true;
  TrpEngineOptions& options = report.EngineOptions();
  if (value.isEmpty()) {
    // A definition that asks for the file cache keeps its own bound.
    if (!options.UseFileCache()) {
      options.SetUseFileCache(true);
      options.SetMaxMemSize(kDefaultMemoryBoundMiB);
    }
    return true;
  }
  bool ok = false;
  const int mebibytes = value.toInt(&ok);
  if (!ok || mebibytes < 0 || mebibytes > 1024 * 1024) {
    err << "stroval-report: --memory-bound takes mebibytes from 0 to 1048576, or off, not \"" << value << "\"\n";
    return false;
  }
  options.SetUseFileCache(true);
  options.SetMaxMemSize(mebibytes);
  return true;
}
