// The print command: the worksheet turned into the report (title, the 32 cells, and a copy of
// everything 532 units lower) and shown in the report's preview.
#include <QLineEdit>

#include "app/label.h"
#include "app/panel.h"
#include "app/text_font.h"
#include "app/worksheet_report.h"
#include "app/worksheet_window.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/model/report_font.h"

namespace stroval {

namespace {

constexpr Extended kCellPitchX = 93;
constexpr Extended kCellPitchY = 90;
constexpr Extended kCellTopOffset = 10;
// The second copy of the sheet lies this many report units below the first.
constexpr Extended kCopyOffset = 532;

bool IsGeneratedMemo(const TrpComponent* object) {
  return object->InheritsFrom("TrpMemoView") && object->Tag() == TForm19::kGeneratedMemoTag;
}

}  // namespace

void TForm19::btnPrintClick(QObject*) {
  RemoveGeneratedMemos();
  // Text goes into the report as Unicode: a round trip through an 8-bit code page would turn
  // every character outside that code page into "?".
  // What the teacher typed is printed as typed: square brackets in it are not expressions.
  if (auto* title = dynamic_cast<TrpMemoView*>(rpt->FindObject(QStringLiteral("Memo1")))) {
    title->SetAllowExpressions(false);
    // One line, as the window's title box shows it: a long title is cut at the right edge
    // rather than wrapping into the row of captions below it.
    title->SetWordWrap(false);
    title->SetText(SchTitle->text());
  }
  TrpComponent* body = rpt->FindObject(QStringLiteral("PageBody"));
  if (body == nullptr || body->Parent() == nullptr) return;  // the stored template has both
  TrpComponent* page = body->Parent();
  for (int column = 1; column <= WordGrid::kColumns; ++column)
    for (int row = 1; row <= WordGrid::kRows; ++row) CreateCellMemo(*page, column, row);
  CopyMemosLower(*page);
  // The report's own preview window, prepared from scratch.
  rpt->SetPreview(nullptr);
  rpt->ShowReport(true);
}

void TForm19::RemoveGeneratedMemos() {
  // From the last component, so that freeing one does not move those still to be visited.
  for (int i = rpt->ComponentCount() - 1; i >= 0; --i)
    if (IsGeneratedMemo(rpt->Components().at(i))) delete rpt->Components().at(i);
}

void TForm19::CreateCellMemo(TrpComponent& page, int column, int row) {
  auto* memo = new TrpMemoView(&page);  // on the page itself, outside any band
  memo->CreateUniqueName();
  MEMOtemp.Set(column, row, memo);
  memo->SetAutoWidth(true);
  memo->SetVAlign(vaCenter);
  TrpFont font;
  AssignReportFont(font, FontOf(Cfont));
  memo->SetFont(font);
  const Panel* cell = paneWord(column, row);
  memo->SetAllowExpressions(false);  // a dropped "[" is a character, not an expression
  memo->SetText(cell ? cell->Caption() : QString());
  const Extended width = memo->CalcWidth();
  const Extended height = memo->CalcHeight();
  memo->SetBounds((column - 1) * kCellPitchX, row * kCellPitchY + kCellTopOffset, width, height);
  memo->SetTag(kGeneratedMemoTag);
}

void TForm19::CopyMemosLower(TrpComponent& page) {
  // Only the objects present now are copied; the copies are appended behind them.
  const QList<TrpComponent*> sources = rpt->Components();
  for (const TrpComponent* source : sources) {
    if (!source->InheritsFrom("TrpMemoView")) continue;
    auto* copy = new TrpMemoView(&page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + kCopyOffset, source->Width(), source->Height());
    copy->SetTag(kGeneratedMemoTag);
  }
}

}  // namespace stroval
