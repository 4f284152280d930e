#include "worksheet_report.h"

#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

#include <QList>

namespace worksheet {

namespace {

constexpr int kPageTag = 8765;        // the template's page
constexpr int kGeneratedTag = 13777;  // what the print command adds

TrpMemoView* AddMemo(TrpComponent* parent, const QString& name, const QString& text, Extended left,
                     Extended top, Extended width, Extended height) {
  auto* memo = new TrpMemoView(parent);
  memo->SetName(name);
  memo->SetBounds(left, top, width, height);
  memo->SetText(text);
  return memo;
}

}  // namespace

void Build(TrpReport& report, Fonts fonts) {
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetTag(kPageTag);
  page->SetLeftMargin(kMargin);
  page->SetRightMargin(kMargin);
  page->SetTopMargin(kMargin);
  page->SetBottomMargin(kMargin);
  page->SetEndlessHeight(true);
  auto* band = new TrpPageHeader(page);
  band->SetName(QStringLiteral("PageBody"));
  band->SetBounds(0, 16, 755.9012755875001, 1065);
  AddMemo(band, QStringLiteral("Memo2"), QStringLiteral("班別："), 5, 49, 95, 40);
  AddMemo(band, QStringLiteral("Memo3"), QStringLiteral("姓名："), 135, 49, 95, 40);
  AddMemo(band, QStringLiteral("Memo4"), QStringLiteral("日期："), 545, 49, 95, 40);
  TrpMemoView* title =
      AddMemo(band, QStringLiteral("Memo1"), QStringLiteral("Orlavo　Quilltrace"), 5, 9, 731, 40);
  if (fonts == Fonts::Sheet) title->Font()->SetSize(20);
  QList<TrpMemoView*> texts;
  for (TrpComponent* child : band->Objects()) texts << static_cast<TrpMemoView*>(child);
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 4; ++r) {
      auto* cell = new TrpMemoView(page);
      cell->CreateUniqueName();
      if (fonts == Fonts::Sheet) {
        cell->Font()->SetName(QStringLiteral("標楷體"));
        cell->Font()->SetSize(48);
      }
      cell->SetAutoWidth(true);
      cell->SetVAlign(vaCenter);
      cell->SetText(c <= 2 ? QStringLiteral("永") : QString());
      cell->SetBounds(CellLeft(c), CellTop(r), cell->CalcWidth(), cell->CalcHeight());
      cell->SetTag(kGeneratedTag);
      texts << cell;
    }
  }
  for (TrpMemoView* source : texts) {
    auto* copy = new TrpMemoView(page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + kCopyShift, source->Width(), source->Height());
    copy->SetTag(kGeneratedTag);
  }
}

}  // namespace worksheet
