#include "report/export/text_export.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/export/export_options_dialog.h"
#include "report/export/text_cells.h"
#include "report/model/memo_view.h"
#include "report/model/report_page.h"
#include "report/xml/whole_file.h"

namespace {

// A text of the page, in report units from the paper's corner.
struct PlacedText {
  double Left = 0, Top = 0, Width = 0;
  QStringList Lines;
  TrpHAlign Align = haLeft;
  bool WordWrap = false;
};

int cellsOf(double units, Extended cell) { return static_cast<int>(std::lround(units / static_cast<double>(cell))); }

}  // namespace

struct TrpTextExport::Page {
  QPointF Origin;
  std::vector<PlacedText> Texts;
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
  const auto* memo = dynamic_cast<const TrpCustomMemoView*>(&object);
  if (!memo || !FPage) return;
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
    int line = row;
    for (const QString& paragraph : text.Lines) {
      const std::vector<QString> pieces =
          text.WordWrap ? TrpTextCells::Wrap(paragraph, width) : std::vector<QString>{paragraph};
      for (const QString& piece : pieces) {
        const int spare = width - TrpTextCells::Width(piece);
        const int shift = spare <= 0 ? 0 : text.Align == haRight ? spare : text.Align == haCenter ? spare / 2 : 0;
        cells.Put(column + shift, line++, piece);
      }
    }
  }
  if (FPages++ > 0) FText += FPageBreaks ? QStringLiteral("\f") : QStringLiteral("\n");
  FText += cells.Text() + u'\n';
  FPage.reset();
}

bool TrpTextExport::Finish() {
  QString error;
  const QByteArray bytes = FText.toUtf8();
  FText.clear();
  if (rpWriteWholeFile(FileName(), [&bytes](QIODevice& file) { file.write(bytes); }, error)) return true;
  SetError(QStringLiteral("Cannot write %1: %2").arg(FileName(), error));
  return false;
}

void TrpTextExport::Abort() {
  FPage.reset();
  FText.clear();
}
