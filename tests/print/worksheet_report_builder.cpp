#include "worksheet_report_builder.h"

#include "report/model/band_kinds.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

#include <QList>

namespace {

TrpMemoView* addMemo(TrpComponent* parent, const QString& name, const QString& text,
                     Extended left, Extended top, Extended width, Extended height) {
  auto* memo = new TrpMemoView(parent);
  memo->SetName(name);
  memo->SetBounds(left, top, width, height);
  memo->SetText(text);
  return memo;
}

}  // namespace

void BuildWorksheetReport(TrpReport& report) {
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetLeftMargin(WorksheetGeometry::Margin);
  page->SetRightMargin(WorksheetGeometry::Margin);
  page->SetTopMargin(WorksheetGeometry::Margin);
  page->SetBottomMargin(WorksheetGeometry::Margin);
  page->SetEndlessHeight(true);
  auto* band = new TrpPageHeader(page);
  band->SetName(QStringLiteral("PageBody"));
  band->SetBounds(0, 16, 755.9012755875001, 1065);
  addMemo(band, QStringLiteral("Memo2"), QStringLiteral("班別："), 5, 49, 95, 40);
  addMemo(band, QStringLiteral("Memo3"), QStringLiteral("姓名："), 135, 49, 95, 40);
  addMemo(band, QStringLiteral("Memo4"), QStringLiteral("日期："), 545, 49, 95, 40);
  addMemo(band, QStringLiteral("Memo1"), QStringLiteral("Orlavo　Quilltrace"), 5, 9, 731, 40);
  QList<TrpMemoView*> texts;
  for (TrpComponent* child : band->Objects()) texts << static_cast<TrpMemoView*>(child);
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 4; ++r) {
      auto* cell = new TrpMemoView(page);
      cell->CreateUniqueName();
      cell->SetAutoWidth(true);
      cell->SetVAlign(vaCenter);
      cell->SetText(c <= 2 ? QStringLiteral("永") : QString());
      cell->SetBounds(WorksheetGeometry::CellLeft(c), WorksheetGeometry::CellTop(r),
                      cell->CalcWidth(), cell->CalcHeight());
      cell->SetTag(13777);
      texts << cell;
    }
  }
  for (TrpMemoView* source : texts) {
    auto* copy = new TrpMemoView(page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + WorksheetGeometry::CopyShift, source->Width(),
                    source->Height());
    copy->SetTag(13777);
  }
}
