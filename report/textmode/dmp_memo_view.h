#pragma once
// TrpDMPMemoView: the text object of a text-mode (dot-matrix) page. It evaluates its text like
// every text object, but lays it out in character cells instead of a proportional font: one
// character per cell (wide East Asian characters two), lines wrapped at the object's width in
// columns, one line per row. Its box lies on the character grid, it measures and splits itself
// in whole rows, and it draws each character in its cell in a monospace face with the printer's
// font styles (FontStyle).
#include <vector>

#include "report/memo/memo_view.h"
#include "report/textmode/character_grid.h"

class TrpDMPMemoView : public TrpOnCharacterGrid<TrpCustomMemoView> {
 public:
  explicit TrpDMPMemoView(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpDMPMemoView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  TrpDMPFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TrpDMPFontStyles value) { FFontStyle = value; }

  // The text's lines in cells, rows and columns counted from the object's top-left cell:
  // wrapped at the width in columns (WordWrap), aligned by HAlign within it and by VAlign
  // within the height in rows. Lines beyond the height are left out. Columns are cells of the
  // pitch FontStyle chooses (rpDMPCellWidth): a wide text has half as many in its width.
  std::vector<TrpCellLine> CellLines() const;

  // Whole rows and cells: the lines times rp1CharY, the widest line times the pitch.
  Extended CalcHeight() override;
  Extended CalcWidth() override;
  // A part is as many whole rows as fit into the height.
  Extended DrawPart() override;
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

 private:
  int Columns() const;  // the width in cells of the pitch

  TrpDMPFontStyles FFontStyle;
};
