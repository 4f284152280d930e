#include "listing_report.h"

#include <QFile>

#include "report/component/report.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/memo_view.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"

ListingRows::ListingRows(int count) : TrpDataSet(nullptr), FCount(count) { SetUserName(QStringLiteral("Rows")); }

ScriptValue ListingRows::GetValue(const QString& field) {
  const int id = RecNo() + 1;
  if (field == QLatin1String("id")) return ScriptValue(id);
  if (field == QLatin1String("grp")) return ScriptValue(id / 50);
  if (field == QLatin1String("name")) return ScriptValue(QStringLiteral("Item %1").arg(id));
  if (field == QLatin1String("amount")) return ScriptValue(id * 1.5);
  return {};
}

namespace {

TrpMemoView* text(TrpComponent* band, const QString& value, Extended left, Extended width, Extended height,
                  int points = 10) {
  auto* memo = new TrpMemoView(band);
  memo->CreateUniqueName();
  memo->SetBounds(left, 0, width, height);
  memo->SetText(value);
  memo->Font()->SetSize(points);
  return memo;
}

template <class Band>
Band* band(TrpReportPage* page, Extended top, Extended millimetres) {
  auto* b = new Band(page);
  b->CreateUniqueName();
  b->SetTop(top);
  b->SetHeight(millimetres * rp01cm);
  return b;
}

}  // namespace

void rpBuildListing(TrpReport& report, const QString& name) {
  report.DataSets().Add()->SetDataSetName(name);
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  for (auto setter : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetRightMargin,
                      &TrpReportPage::SetTopMargin, &TrpReportPage::SetBottomMargin})
    (page->*setter)(10);
  const QString field = name + QStringLiteral(".\"%1\"");
  text(band<TrpPageHeader>(page, 0, 6), QStringLiteral("Listing of items"), 0, 400, 6 * rp01cm);
  auto* groupHeader = band<TrpGroupHeader>(page, 40, 6);
  groupHeader->SetCondition(field.arg(QStringLiteral("grp")));
  text(groupHeader, QStringLiteral("Group [%1]").arg(field.arg(QStringLiteral("grp"))), 0, 300, 6 * rp01cm);
  auto* data = band<TrpMasterData>(page, 80, 4);
  data->SetDataSetName(name);
  text(data, QStringLiteral("[%1]").arg(field.arg(QStringLiteral("id"))), 0, 80, 4 * rp01cm, 9);
  text(data, QStringLiteral("[%1]").arg(field.arg(QStringLiteral("name"))), 90, 300, 4 * rp01cm, 9);
  text(data, QStringLiteral("[%1]").arg(field.arg(QStringLiteral("amount"))), 400, 120, 4 * rp01cm, 9);
  auto* groupFooter = band<TrpGroupFooter>(page, 120, 6);
  text(groupFooter, QStringLiteral("[SUM(<%1>)]").arg(field.arg(QStringLiteral("amount"))), 400, 120, 6 * rp01cm);
  auto* pageFooter = band<TrpPageFooter>(page, 200, 6);
  text(pageFooter, QStringLiteral("Page [Page#]"), 0, 200, 6 * rp01cm);
}

double rpPeakMemoryMiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  return 0;
}
