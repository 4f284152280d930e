#pragma once
// TrpDMPLineView: a line of a text-mode page, printed as characters: a horizontal line (wider
// than high) as a row of "-" across its width in columns, a vertical one as a "|" in each row of
// its height. Its box lies on the character grid.
#include <vector>

#include "report/textmode/character_grid.h"
#include "report/views/line_view.h"

class TrpDMPLineView : public TrpOnCharacterGrid<TrpCustomLineView> {
 public:
  explicit TrpDMPLineView(TrpComponent* owner) : TrpOnCharacterGrid<TrpCustomLineView>(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TrpDMPLineView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  TrpDMPFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TrpDMPFontStyles value) { FFontStyle = value; }

  // Whether the line runs across (it is wider than high).
  bool IsHorizontal() const { return Width() > Height(); }
  // The line's characters in cells from the object's top-left cell; at least one cell.
  std::vector<TrpCellLine> CellLines() const;

  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

 private:
  TrpDMPFontStyles FFontStyle;
};
