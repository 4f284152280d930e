#include "report/textmode/dmp_line_view.h"

#include <QPainter>

#include <algorithm>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/res/resources.h"
#include "report/text/color_names.h"
#include "report/views/frame.h"

const TrpClassInfo& TrpDMPLineView::StaticClassInfo() {
  using C = TrpDMPLineView;
  static const TrpClassInfo info(
      "TrpDMPLineView", &TrpCustomLineView::StaticClassInfo(), &Create,
      {
          rpSet<&C::FontStyle, &C::SetFontStyle>("FontStyle", rpDMPFontStylesType, TrpDMPFontStyles{}),
      });
  return info;
}

const TrpClassInfo& TrpDMPLineView::ClassInfo() const { return StaticClassInfo(); }

QString TrpDMPLineView::GetDescription() const { return rpResources()->Get(QStringLiteral("obDMPLine")); }

std::vector<TrpCellLine> TrpDMPLineView::CellLines() const {
  if (IsHorizontal()) return {{0, 0, QString(std::max(1, rpColumnsOf(Width())), u'-')}};
  std::vector<TrpCellLine> lines;
  for (int row = 0, rows = std::max(1, rpRowsOf(Height())); row < rows; ++row) lines.push_back({row, 0, QStringLiteral("|")});
  return lines;
}

void TrpDMPLineView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                          Extended offsetY) {
  TrpView::BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  const double column = static_cast<double>(rp1CharX * scaleX);
  const double row = static_cast<double>(rp1CharY * scaleY);
  const QColor color = rpToQColor(Frame()->Color());
  for (const TrpCellLine& line : CellLines())
    rpDrawCellText(canvas, QPointF(FX + line.Column * column, FY + line.Row * row), column, row, line.Text,
                   FFontStyle, color);
}
