#include "worksheet/worksheet_report_builder.h"

#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_info.h"
#include "report/objects/report_font.h"
#include "worksheet/memo_table.h"
#include "worksheet/practice_colors.h"
#include "worksheet/report_color.h"
#include "worksheet/report_guides.h"

namespace stroval {

namespace {

constexpr Extended kCellPitchX = 93;
constexpr Extended kCellPitchY = 90;
constexpr Extended kCellTopOffset = 10;
// The side of a cell's guide square: the rows lie 90 units apart, and two are left between them.
constexpr Extended kGuideSide = 88;
// The second copy of the sheet lies this many report units below the first.
constexpr Extended kCopyOffset = 532;

Extended CellLeft(int column) { return (column - 1) * kCellPitchX; }
Extended CellTop(int row) { return row * kCellPitchY + kCellTopOffset; }

// What an earlier building added: its text objects and its guide objects.
bool IsGenerated(const TrpComponent* object) {
  if (object->InheritsFrom(TrpMemoView::StaticClassInfo())) return object->Tag() == kGeneratedMemoTag;
  return object->Tag() == kGuideObjectTag;
}

// What the copy step copies: every text object, and the guides.
bool IsCopied(const TrpComponent* object) {
  return object->InheritsFrom(TrpMemoView::StaticClassInfo()) || object->Tag() == kGuideObjectTag;
}

void RemoveGenerated(TrpReport& report) {
  // From the last component, so that freeing one does not move those still to be visited.
  for (int i = report.ComponentCount() - 1; i >= 0; --i)
    if (IsGenerated(report.Components().at(i))) delete report.Components().at(i);
}

void SetTitle(TrpReport& report, const QString& text) {
  auto* title = dynamic_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Memo1")));
  if (title == nullptr) return;
  // Text goes into the report as Unicode: a round trip through an 8-bit code page would turn
  // every character outside that code page into "?".
  // What the teacher typed is printed as typed: square brackets in it are not expressions.
  title->SetAllowExpressions(false);
  // One line, as the window's title box shows it: a long title is cut at the right edge
  // rather than wrapping into the row of captions below it.
  title->SetWordWrap(false);
  title->SetText(text);
}

void AddGuides(TrpComponent& page, GuideStyle style) {
  for (int column = 1; column <= WorksheetSheet::kColumns; ++column)
    for (int row = 1; row <= WorksheetSheet::kRows; ++row)
      AddCellGuides(page, CellLeft(column), CellTop(row), kGuideSide, style);
}

// Without guides the text object starts at the cell's corner; inside a guide square it is
// centred, so that the character sits on the guides' crossing.
void PlaceCellMemo(TrpMemoView& memo, int column, int row, GuideStyle style) {
  const Extended width = memo.CalcWidth();
  const Extended height = memo.CalcHeight();
  Extended left = CellLeft(column), top = CellTop(row);
  if (HasOutline(style)) {
    left += (kGuideSide - width) / 2;
    top += (kGuideSide - height) / 2;
  }
  memo.SetBounds(left, top, width, height);
}

TrpMemoView* CreateCellMemo(TrpComponent& page, const WorksheetSheet& sheet, int column, int row) {
  auto* memo = new TrpMemoView(&page);  // on the page itself, outside any band
  memo->CreateUniqueName();
  memo->SetAutoWidth(true);
  memo->SetVAlign(vaCenter);
  const SheetCell& cell = sheet.Cell(column, row);
  TrpFont font;
  AssignReportFont(font, sheet.font);
  if (cell.traced) font.SetColor(ReportColor(QColor(kTraceInk)));
  memo->SetFont(font);
  memo->SetAllowExpressions(false);  // a dropped "[" is a character, not an expression
  memo->SetText(cell.character);
  PlaceCellMemo(*memo, column, row, sheet.guides);
  memo->SetTag(kGeneratedMemoTag);
  return memo;
}

void CopyLower(TrpReport& report, TrpComponent& page) {
  // Only the objects present now are copied; the copies are appended behind them.
  const QList<TrpComponent*> sources = report.Components();
  for (const TrpComponent* source : sources) {
    if (!IsCopied(source)) continue;
    TrpComponent* copy = source->ClassInfo().Factory()(&page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + kCopyOffset, source->Width(), source->Height());
    copy->SetTag(source->InheritsFrom(TrpMemoView::StaticClassInfo()) ? kGeneratedMemoTag : kGuideObjectTag);
  }
}

}  // namespace

bool BuildWorksheetReport(TrpReport& report, const WorksheetSheet& sheet, MemoTable* memos) {
  RemoveGenerated(report);
  SetTitle(report, sheet.title);
  TrpComponent* body = report.FindObject(QStringLiteral("PageBody"));
  if (body == nullptr || body->Parent() == nullptr) return false;  // the stored template has both
  TrpComponent& page = *body->Parent();
  // The guides first: objects on the page are drawn in their order, the characters over them.
  AddGuides(page, sheet.guides);
  for (int column = 1; column <= WorksheetSheet::kColumns; ++column)
    for (int row = 1; row <= WorksheetSheet::kRows; ++row) {
      TrpMemoView* memo = CreateCellMemo(page, sheet, column, row);
      if (memos) memos->Set(column, row, memo);
    }
  CopyLower(report, page);
  return true;
}

}  // namespace stroval
