// The character palette and the filling of grid cells by dropping palette labels on them.
#include <QLineEdit>

#include "app/colors.h"
#include "app/label.h"
#include "app/practice_options.h"
#include "app/tag.h"
#include "app/text_font.h"
#include "app/worksheet_window.h"
#include "worksheet/cell_fill.h"

namespace stroval {

namespace {

constexpr int kMaxPaletteLabels = 8;
const QString kPaletteFontFamily = QStringLiteral("標楷體");
constexpr int kPaletteFontPoints = 50;

// The dragged object as a palette label, or nullptr when it is anything else.
const Label* AsPaletteLabel(const QObject* source) {
  const auto* label = qobject_cast<const Label*>(source);
  return label != nullptr && Tag(label) == TForm19::kPaletteLabelTag ? label : nullptr;
}

void Fill(PracticeCell* cell, const SheetCell& content) {
  cell->SetCaption(content.character);
  cell->SetTraced(content.traced);
}

}  // namespace

void TForm19::Button1Click(QObject*) {
  RemovePalette();
  // One label per 16-bit unit of the first eight; a character outside the Basic Multilingual
  // Plane takes two units and so two labels.
  const QString word = edtInput->text().left(kMaxPaletteLabels);
  CreatePalette(word);

  // The columns that will receive the new word start empty; the others keep their characters.
  if (!paneWord.IsBuilt()) return;
  for (int row = 1; row <= WordGrid::kRows; ++row)
    for (int column = 1; column <= word.size(); ++column) Fill(paneWord(column, row), {});
}

void TForm19::RemovePalette() {
  // Walking from the last component, so that freeing one does not move the ones still to be
  // visited.
  for (int i = ComponentCount() - 1; i >= 0; --i)
    if (Tag(Components(i)) == kPaletteLabelTag) delete Components(i);
}

void TForm19::CreatePalette(const QString& characters) {
  for (int i = 0; i < characters.size(); ++i) CreatePaletteLabel(i + 1, characters.at(i));
}

QString TForm19::PaletteCharacters() const {
  QString characters;
  for (int i = 0; i < ComponentCount(); ++i)
    if (const Label* label = AsPaletteLabel(Components(i))) characters += label->Caption();
  return characters;
}

void TForm19::CreatePaletteLabel(int index, QChar unit) {
  auto* label = new Label(paneTEXT);
  Adopt(label, QString(), QRect(QPoint((index - 1) * 120 + 10, 5), label->size()));
  label->SetCaption(QString(unit));
  // Of the sample font only the style carries over; face, size and colour are the palette's.
  TextFont font = FontOf(Cfont);
  font.font.setPointSize(kPaletteFontPoints);
  font.font.setFamily(kPaletteFontFamily);
  font.color = ColorFromBgr(clNavy);
  SetFont(label, font);  // the label takes the size of its character in this font ...
  SetTag(label, kPaletteLabelTag);
  label->SetAutoSize(false);  // ... and keeps it from now on
  label->SetColor(ColorFromBgr(clWhite));
  label->SetTransparent(false);
  label->SetDragMode(TDragMode::dmAutomatic);
  label->show();
}

bool TForm19::paneWS_DragOver(QObject*, QObject* Source) {
  return AsPaletteLabel(Source) != nullptr;
}

void TForm19::paneWS_DragDrop(QObject* Sender, QObject* Source) {
  const Label* label = AsPaletteLabel(Source);
  auto* target = qobject_cast<PracticeCell*>(Sender);
  if (label == nullptr || target == nullptr) return;
  const QString character = label->Caption();
  const int traceCount = Practice->TraceCount();
  Fill(target, CellAfterDrop(0, character, traceCount));
  // The rest of the row: every cell at the same top and further right on screen.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    auto* cell = qobject_cast<PracticeCell*>(Components(i));
    if (cell == nullptr || Tag(cell) != kCellTag) continue;
    if (cell->y() != target->y() || cell->x() <= target->x()) continue;
    const int offset = (cell->x() - target->x()) / WordGrid::kPitch;
    Fill(cell, CellAfterDrop(offset, character, traceCount));
  }
}

}  // namespace stroval
