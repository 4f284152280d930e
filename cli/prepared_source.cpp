#include "cli/prepared_source.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "cli/command_line.h"
#include "cli/data_overrides.h"
#include "cli/memory_bound.h"
#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/options/engine_options.h"
#include "report/options/report_options.h"
#include "report/store/prepared_report_file.h"

namespace {

void listErrors(const TrpReport& report, const QString& fileName, QTextStream& err) {
  for (const QString& e : report.Errors()) err << fileName << ": " << e << '\n';
}

}  // namespace

bool rpLoadDefinition(TrpReport& report, const QString& fileName, const TrpCommandLine& line, QTextStream& err) {
  const QString password = line.Value(QStringLiteral("password"));
  if (!QFileInfo::exists(fileName)) {
    err << "stroval-report: " << fileName << ": no such file\n";
    return false;
  }
  // The tool lists errors itself; a load keeps the program's silent mode.
  report.EngineOptions().SetNewSilentMode(simSilent);
  report.ReportOptions().SetHiddenPassword(password);
  bool loaded = false;
  try {
    loaded = report.LoadFromFile(fileName);
  } catch (const std::exception& e) {
    report.AddError(rpErrorText(e));
  }
  if (!loaded || !report.Errors().isEmpty()) {
    err << "stroval-report: " << fileName << ": cannot be read as a report\n";
    listErrors(report, fileName, err);
    return false;
  }
  return rpApplyDataOverrides(report, line, err) && rpApplyMemoryBound(report, line, err);
}

bool rpPrepareDefinition(TrpReport& report, const QString& fileName, QTextStream& err) {
  bool prepared = false;
  try {
    prepared = report.PrepareReport();
  } catch (const std::exception& e) {
    report.AddError(rpErrorText(e));
  }
  if (prepared && report.PreviewPages()) return true;
  err << "stroval-report: " << fileName << ": the report could not be prepared\n";
  listErrors(report, fileName, err);
  return false;
}

bool rpOpenPreparedPages(TrpReport& report, const QString& fileName, const TrpCommandLine& line, QTextStream& err) {
  if (!QFileInfo::exists(fileName)) {
    err << "stroval-report: " << fileName << ": no such file\n";
    return false;
  }
  if (!rpIsPreparedReportFile(fileName))
    return rpLoadDefinition(report, fileName, line, err) &&
           rpPrepareDefinition(report, fileName, err);
  TrpCustomPreviewPages* store = report.PreviewPages();
  try {
    if (store && store->LoadFromFile(fileName, true)) return true;
  } catch (const std::exception& e) {
    err << "stroval-report: " << fileName << ": " << rpErrorText(e) << '\n';
    return false;
  }
  err << "stroval-report: " << fileName << ": cannot be read as a prepared report\n";
  return false;
}
