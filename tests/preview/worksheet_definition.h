#pragma once
// The worksheet report as the application's print command builds it: the template's title and
// captions in the page-header band, 32 cells on the page (the first two columns filled), and a
// copy of every text object 532 units lower, on an endless A4 page with 5 mm margins.
#include "report/model/band_kinds.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

namespace worksheet {

constexpr Extended kMargin = 5.000624999999999;
constexpr Extended kCopyShift = 532;

inline TrpMemoView* AddMemo(TrpComponent* parent, const char* name, const QString& text, Extended left,
                            Extended top, Extended width, Extended height) {
  auto* memo = new TrpMemoView(parent);
  memo->SetName(QString::fromLatin1(name));
  memo->SetBounds(left, top, width, height);
  memo->SetText(text);
  return memo;
}

inline void Build(TrpReport& report) {
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetLeftMargin(kMargin);
  page->SetRightMargin(kMargin);
  page->SetTopMargin(kMargin);
  page->SetBottomMargin(kMargin);
  page->SetEndlessHeight(true);
  auto* band = new TrpPageHeader(page);
  band->SetName(QStringLiteral("PageBody"));
  band->SetBounds(0, 16, 755.9012755875001L, 1065);
  AddMemo(band, "Memo2", QStringLiteral("班別："), 5, 49, 95, 40);
  AddMemo(band, "Memo3", QStringLiteral("姓名："), 135, 49, 95, 40);
  AddMemo(band, "Memo4", QStringLiteral("日期："), 545, 49, 95, 40);
  TrpMemoView* title = AddMemo(band, "Memo1", QStringLiteral("Orlavo　Quilltrace"), 5, 9, 731, 40);
  title->Font()->SetSize(20);
  QList<TrpMemoView*> texts;
  for (TrpComponent* child : band->Objects()) texts << static_cast<TrpMemoView*>(child);
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 4; ++r) {
      auto* cell = new TrpMemoView(page);
      cell->CreateUniqueName();
      cell->Font()->SetName(QStringLiteral("標楷體"));
      cell->Font()->SetSize(48);
      cell->SetAutoWidth(true);
      cell->SetVAlign(vaCenter);
      cell->SetText(c <= 2 ? QStringLiteral("永") : QString());
      cell->SetBounds((c - 1) * 93, r * 90 + 10, cell->CalcWidth(), cell->CalcHeight());
      texts << cell;
    }
  }
  for (TrpMemoView* source : texts) {
    auto* copy = new TrpMemoView(page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + kCopyShift, source->Width(), source->Height());
  }
}

}  // namespace worksheet
