#include "report/export/text_export.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/export/export_options_dialog.h"
#include "report/export/text_cells.h"
#include "report/memo/memo_view.h"
#include "report/pages/report_page.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_line_view.h"
#include "report/textmode/dmp_memo_view.h"
#include "script_engine/files/whole_file.h"

namespace {

// A text of the page, in report units from the paper's corner.
struct PlacedText {
  double Left = 0, Top = 0, Width = 0;
  QStringList Lines;
  TrpHAlign Align = haLeft;
  bool WordWrap = false;
};

int cellsOf(double units, Extended cell) { return static_cast<int>(std::lround(units / static_cast<double>(cell))); }

// What a text-mode object puts into its cells: text lines, or a printer control.
struct CellPlacement {
  int Column = 0, Row = 0;
  std::vector<TrpCellLine> Lines;
  QString Control;
};

// Printer bytes travel inside the text as characters of a private-use block, one per byte, so
// that Finish writes them unchanged while the text around them is encoded as UTF-8.
constexpr char16_t kByteBase = 0xF700;

QString controlText(const QByteArray& bytes) {
  QString text;
  for (const char b : bytes) text += QChar(static_cast<char16_t>(kByteBase + static_cast<unsigned char>(b)));
  return text;
}

QByteArray encoded(const QString& text) {
  QByteArray out;
  qsizetype plain = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    const bool isByte = i < text.size() && text[i].unicode() >= kByteBase && text[i].unicode() <= kByteBase + 0xFF;
    if (i < text.size() && !isByte) continue;
    out += text.mid(plain, i - plain).toUtf8();
    if (isByte) out += static_cast<char>(text[i].unicode() - kByteBase);
    plain = i + 1;
  }
  return out;
}

}  // namespace

struct TrpTextExport::Page {
  QPointF Origin;
  std::vector<PlacedText> Texts;
  std::vector<CellPlacement> Cells;
};


TrpTextExport::TrpTextExport() = default;
TrpTextExport::~TrpTextExport() = default;

void TrpTextExport::AddOptions(TrpExportOptionsDialog& dialog) {
  dialog.AddCheck(QStringLiteral("Page breaks"), FPageBreaks);
}

bool TrpTextExport::Start() {
  FText.clear();
  FPages = 0;
  return true;
}

void TrpTextExport::StartPage(TrpReportPage& page, int index) {
  FPage = std::make_unique<Page>();
  FPage->Origin = PageOrigin(page, index);
}

void TrpTextExport::ExportObject(TrpComponent& object) {
  if (!FPage) return;
  // Text-mode objects lie on the character grid: they go exactly into their cells.
  CellPlacement placed{rpColumnsOf(static_cast<Extended>(FPage->Origin.x()) + object.AbsLeft()),
                       rpRowsOf(static_cast<Extended>(FPage->Origin.y()) + object.AbsTop()), {}, {}};
  if (const auto* text = dynamic_cast<const TrpDMPMemoView*>(&object)) {
    // The text has one pitch: a text of another one keeps its place in the grid.
    placed.Lines = text->CellLines();
    const Extended pitch = rpDMPCellWidth(text->FontStyle()) / rp1CharX;
    for (TrpCellLine& line : placed.Lines) line.Column = static_cast<int>(rpRound(line.Column * pitch));
  } else if (const auto* line = dynamic_cast<const TrpDMPLineView*>(&object)) {
    placed.Lines = line->CellLines();
  } else if (const auto* command = dynamic_cast<const TrpDMPCommand*>(&object)) {
    if (!FPrinterCommands) return;
    placed.Control = controlText(command->CommandBytes());
  }
  if (!placed.Lines.empty() || !placed.Control.isEmpty()) {
    FPage->Cells.push_back(std::move(placed));
    return;
  }
  const auto* memo = dynamic_cast<const TrpCustomMemoView*>(&object);
  if (!memo || dynamic_cast<const TrpDMPMemoView*>(&object)) return;
  PlacedText text;
  text.Left = FPage->Origin.x() + static_cast<double>(memo->AbsLeft());
  text.Top = FPage->Origin.y() + static_cast<double>(memo->AbsTop());
  text.Width = static_cast<double>(memo->Width());
  text.Lines = memo->Memo();
  text.Align = memo->HAlign();
  text.WordWrap = memo->WordWrap();
  while (!text.Lines.isEmpty() && text.Lines.last().trimmed().isEmpty()) text.Lines.removeLast();
  if (!text.Lines.isEmpty()) FPage->Texts.push_back(std::move(text));
}

void TrpTextExport::FinishPage(TrpReportPage&, int) {
  if (!FPage) return;
  std::vector<PlacedText>& texts = FPage->Texts;
  std::stable_sort(texts.begin(), texts.end(), [](const PlacedText& a, const PlacedText& b) { return a.Top < b.Top; });
  TrpTextCells cells;
  // Texts whose tops lie within half a row share the row of the first of them; each further
  // height goes at least one row below the one before, however close in units.
  constexpr double kSameRow = static_cast<double>(rp1CharY) / 2;
  int row = -1;
  double rowTop = -1e9;
  for (const PlacedText& text : texts) {
    if (text.Top - rowTop >= kSameRow) {
      row = std::max(cellsOf(text.Top, rp1CharY), row + 1);
      rowTop = text.Top;
    }
    const int column = cellsOf(text.Left, rp1CharX);
    const int width = std::max(1, cellsOf(text.Width, rp1CharX));
    for (const TrpCellLine& line : rpLayOutCells(text.Lines, width, text.Align, text.WordWrap))
      cells.Put(column + line.Column, row + line.Row, line.Text);
  }
  for (const CellPlacement& placed : FPage->Cells) {
    for (const TrpCellLine& line : placed.Lines) cells.Put(placed.Column + line.Column, placed.Row + line.Row, line.Text);
    if (!placed.Control.isEmpty()) cells.PutControl(placed.Column, placed.Row, placed.Control);
  }
  if (FPages++ > 0) FText += FPageBreaks ? QStringLiteral("\f") : QStringLiteral("\n");
  FText += cells.Text() + u'\n';
  FPage.reset();
}

bool TrpTextExport::Finish() {
  QString error;
  const QByteArray bytes = encoded(FText);
  FText.clear();
  if (scWriteWholeFile(FileName(), [&bytes](QIODevice& file) { file.write(bytes); }, error)) return true;
  SetError(QStringLiteral("Cannot write %1: %2").arg(FileName(), error));
  return false;
}

void TrpTextExport::Abort() {
  FPage.reset();
  FText.clear();
}
