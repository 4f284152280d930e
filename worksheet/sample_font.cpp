#include "worksheet/sample_font.h"

#include <QtGlobal>

#include "report/objects/report_font.h"
#include "worksheet/report_color.h"

namespace stroval {

namespace {

constexpr int kScreenPixelsPerInch = 96;
constexpr int kDefaultPoints = 60;
constexpr QRgb kSampleGrey = 0x808080;

}  // namespace

double PointsOf(const QFont& font) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  return font.pixelSize() * 72.0 / kScreenPixelsPerInch;
}

bool SampleFont::operator==(const SampleFont& other) const {
  const QFont& a = font;
  const QFont& b = other.font;
  return a.family() == b.family() && PointsOf(a) == PointsOf(b) && a.bold() == b.bold() &&
         a.italic() == b.italic() && a.underline() == b.underline() &&
         a.strikeOut() == b.strikeOut() && color == other.color;
}

SampleFont DefaultSampleFont() {
  QFont font(QStringLiteral("華康標楷筆順體"));
  font.setPointSize(kDefaultPoints);
  return {font, QColor(kSampleGrey)};
}

void AssignReportFont(TrpFont& result, const SampleFont& font) {
  result.SetName(font.font.family());
  result.SetSize(qRound(PointsOf(font.font)));  // report fonts count whole points
  TFontStyles style;
  if (font.font.bold()) style.Include(fsBold);
  if (font.font.italic()) style.Include(fsItalic);
  if (font.font.underline()) style.Include(fsUnderline);
  if (font.font.strikeOut()) style.Include(fsStrikeout);
  result.SetStyle(style);
  result.SetColor(ReportColor(font.color));
  result.SetCharset(rpCharset);
}

}  // namespace stroval
