// Hyperlinks of the shown pages: anchors and page numbers move the preview, URLs open with the
// system's handler, and detail reports and detail pages open prepared in tabs of their own, which
// own what they show and free it when closed.
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <functional>
#include <utility>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report/pages/page.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/views/hyperlink.h"

namespace {

// The hyperlink's variables: ReportVariable and Value split at the separator, paired in order.
void setLinkVariables(TrpReport& report, const TrpHyperlink& link) {
  const QString separator = link.ValuesSeparator().isEmpty() ? QStringLiteral(";") : link.ValuesSeparator();
  const QStringList names = link.ReportVariable().split(separator);
  const QStringList values = link.Value().split(separator);
  for (int i = 0; i < names.size(); ++i) {
    const QString name = names[i].trimmed();
    if (!name.isEmpty()) report.Variables().SetVariables(name, ScriptValue(values.value(i)));
  }
}

// A new report with `parent`'s engine options, made ready by `prepare` (load, variables, run);
// none when that failed, with `errors` saying why.
std::unique_ptr<TrpReport> prepareDetail(const TrpReport& parent, const std::function<bool(TrpReport&)>& prepare,
                                         QString& errors) {
  auto detail = std::make_unique<TrpReport>();
  detail->EngineOptions().Assign(parent.EngineOptions());
  bool prepared = false;
  try {
    prepared = prepare(*detail);
  } catch (const std::exception& e) {
    detail->AddError(rpErrorText(e));
  }
  if (prepared) return detail;
  errors = detail->Errors().join(u'\n');
  return nullptr;
}

}  // namespace

void TrpPreview::InstallLinkHandlers(TrpCustomPreviewPages* pages) {
  if (!pages) return;
  TrpPageLinkHandlers handlers;
  handlers.Navigate = [this](int page, int top) { SetPosition(page + 1, top); };
  // Kept by the store when a program (or a test) gave its own way of opening addresses.
  handlers.OpenURL = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  handlers.DetailReport = [this](const TrpHyperlink& link) { OpenDetailReport(link); };
  handlers.DetailPage = [this](const TrpHyperlink& link) { OpenDetailPage(link); };
  pages->SetLinkHandlers(std::move(handlers));
}

void TrpPreview::OpenDetailReport(const TrpHyperlink& link) {
  const QString name = link.DetailReport() + u'|' + link.Value();
  if (HasTab(name)) return SwitchToTab(name);
  if (!FReport) return;
  QString path = link.DetailReport();
  if (QFileInfo(path).isRelative() && !FReport->FileName().isEmpty())
    path = QFileInfo(FReport->FileName()).absoluteDir().filePath(path);
  QString errors;
  std::unique_ptr<TrpReport> detail = prepareDetail(*FReport, [&](TrpReport& report) {
    if (!report.LoadFromFile(path)) {
      if (report.Errors().isEmpty()) report.AddError(QStringLiteral("Cannot open file \"%1\"").arg(path));
      return false;
    }
    setLinkVariables(report, link);
    return report.PrepareReport();
  }, errors);
  if (!detail) {
    rpPreviewDialogs().ShowMessage(this, QStringLiteral("The detail report \"%1\" cannot be shown.\n%2")
                                             .arg(link.DetailReport(), errors));
    return;
  }
  // The tab owns the report and with it its prepared pages.
  AddPreviewTab(detail.release(), name, QString(), true,
                link.TabCaption().isEmpty() ? QFileInfo(path).baseName() : link.TabCaption());
}

void TrpPreview::OpenDetailPage(const TrpHyperlink& link) {
  const QString name = QStringLiteral("page:") + link.DetailPage() + u'|' + link.Value();
  if (HasTab(name)) return SwitchToTab(name);
  if (!FReport) return;
  QString errors;
  std::unique_ptr<TrpReport> detail = prepareDetail(*FReport, [&](TrpReport& report) {
    // A copy of this report's definition, so the page prepares apart from the pages shown here.
    QBuffer definition;
    definition.open(QIODevice::ReadWrite);
    FReport->SaveToStream(definition);
    definition.seek(0);
    report.SetFileName(FReport->FileName());
    report.LoadFromStream(definition);
    setLinkVariables(report, link);
    auto* page = dynamic_cast<TrpPage*>(report.FindObject(link.DetailPage()));
    if (!page) throw TrpError(QStringLiteral("The report has no page \"%1\"").arg(link.DetailPage()));
    return report.PreparePage(*page);
  }, errors);
  if (!detail) {
    rpPreviewDialogs().ShowMessage(this, QStringLiteral("The detail page \"%1\" cannot be shown.\n%2")
                                             .arg(link.DetailPage(), errors));
    return;
  }
  AddPreviewTab(detail.release(), name, link.DetailPage(), true,
                link.TabCaption().isEmpty() ? link.DetailPage() : link.TabCaption());
}
