#include "report/textmode/dmp_memo_view.h"

#include <QPainter>

#include <algorithm>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_font.h"
#include "report/res/resources.h"
#include "report/text/color_names.h"

TrpDMPMemoView::TrpDMPMemoView(TrpComponent* owner) : TrpOnCharacterGrid<TrpCustomMemoView>(owner) {
  // No gaps: the text starts in the object's first cell.
  SetGapX(0);
  SetGapY(0);
}

const TrpClassInfo& TrpDMPMemoView::StaticClassInfo() {
  using C = TrpDMPMemoView;
  static const TrpClassInfo info(
      "TrpDMPMemoView", &TrpCustomMemoView::StaticClassInfo(), &Create,
      {
          rpPublish("StretchMode"),
          rpPublish("TagStr"),
          rpPublish("AutoWidth"),
          rpPublish("AllowExpressions"),
          rpPublish("DataField"),
          rpPublish("DataSet"),
          rpPublish("DataSetName"),
          rpPublish("DisplayFormat"),
          rpPublish("ExpressionDelimiters"),
          rpPublish("FlowTo"),
          rpSet<&C::FontStyle, &C::SetFontStyle>("FontStyle", rpDMPFontStylesType, TrpDMPFontStyles{}),
          rpPublish("HAlign"),
          rpPublish("HideZeros"),
          rpPublish("Highlight"),
          rpPublish("Memo"),
          rpPublish("SuppressRepeated"),
          rpPublish("WordWrap"),
          rpPublish("VAlign"),
      });
  return info;
}

const TrpClassInfo& TrpDMPMemoView::ClassInfo() const { return StaticClassInfo(); }

QString TrpDMPMemoView::GetDescription() const { return rpResources()->Get(QStringLiteral("obDMPText")); }

int TrpDMPMemoView::Columns() const { return static_cast<int>(rpRound(Width() / rpDMPCellWidth(FFontStyle))); }

std::vector<TrpCellLine> TrpDMPMemoView::CellLines() const {
  std::vector<TrpCellLine> lines = rpLayOutCells(Memo(), Columns(), HAlign(), WordWrap() && !AutoWidth());
  const int rows = rpRowsOf(Height());
  const int spare = rows - static_cast<int>(lines.size());
  const int down = spare <= 0 ? 0 : VAlign() == vaBottom ? spare : VAlign() == vaCenter ? spare / 2 : 0;
  for (TrpCellLine& line : lines) line.Row += down;
  // The rows below the object's box are not printed (they would print over what lies below).
  std::erase_if(lines, [rows](const TrpCellLine& line) { return line.Row >= rows; });
  return lines;
}

Extended TrpDMPMemoView::CalcHeight() {
  return static_cast<Extended>(rpLayOutCells(Memo(), Columns(), HAlign(), WordWrap() && !AutoWidth()).size()) * rp1CharY;
}

Extended TrpDMPMemoView::CalcWidth() {
  int widest = 0;
  for (const QString& line : Memo()) widest = std::max(widest, rpCellWidth(line));
  return static_cast<Extended>(widest) * rpDMPCellWidth(FFontStyle);
}

Extended TrpDMPMemoView::DrawPart() {
  SetText(PartText());
  const int rows = std::max(0, rpRowsOf(Height()));
  const std::vector<TrpCellLine> lines = rpLayOutCells(Memo(), Columns(), HAlign(), WordWrap());
  QStringList kept, rest;
  for (const TrpCellLine& line : lines) (line.Row < rows ? kept : rest) << line.Text;
  SetMemo(kept);
  SetPartText(rest.join(QStringLiteral("\r\n")));
  // Nothing placed: the whole height is unused.
  return kept.isEmpty() ? Height() : static_cast<Extended>(rows - kept.size()) * rp1CharY;
}

void TrpDMPMemoView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                          Extended offsetY) {
  if (AutoWidth()) SetWidth(CalcWidth());
  TrpView::BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  const double pitch = static_cast<double>(rpDMPCellWidth(FFontStyle) * scaleX);
  const double row = static_cast<double>(rp1CharY * scaleY);
  const QColor color = rpToQColor(Font()->Color());
  for (const TrpCellLine& line : CellLines())
    rpDrawCellText(canvas, QPointF(FX + line.Column * pitch, FY + line.Row * row), pitch, row, line.Text,
                   FFontStyle, color);
}
