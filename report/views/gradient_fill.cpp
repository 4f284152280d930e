#include "report/views/gradient_fill.h"

#include <QImage>
#include <QPainter>

#include "report/objects/class_info.h"
#include "report/objects/image_size_limit.h"
#include "report/objects/mul_div.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"

namespace {

constexpr TrpEnumValue kGradientStyles[] = {
    {"gsHorizontal", gsHorizontal}, {"gsVertical", gsVertical},     {"gsElliptic", gsElliptic},
    {"gsRectangle", gsRectangle},   {"gsVertCenter", gsVertCenter}, {"gsHorizCenter", gsHorizCenter}};

struct Rgb {
  int r, g, b;
};

Rgb channels(TColor color) {
  const QColor c = rpToQColor(color);
  return {c.red(), c.green(), c.blue()};
}

QColor qcolor(TColor color) { return rpToQColor(color); }

// Draws the stripes of a linear gradient: stripe i of 256 spans MulDiv(i, n, 256) to
// MulDiv(i + 1, n, 256) along the axis.
void linearStripes(const TrpGradientFill& fill, QPainter& canvas, const QRect& r, bool across) {
  const int n = across ? r.width() : r.height();
  for (int i = 0; i < 256; ++i) {
    const int a = rpMulDiv(i, n, 256);
    const int b = rpMulDiv(i + 1, n, 256);
    if (b <= a) continue;
    const QColor c = qcolor(fill.StepColor(i, 255));
    if (across)
      canvas.fillRect(QRect(r.x() + a, r.y(), b - a, r.height()), c);
    else
      canvas.fillRect(QRect(r.x(), r.y() + a, r.width(), b - a), c);
  }
}

// Start colour at both edges, end colour in the middle, one-pixel stripes. An extent under 2
// pixels has no middle: its single stripe keeps the start colour.
void centreStripes(const TrpGradientFill& fill, QPainter& canvas, const QRect& r, bool across) {
  const int n = across ? r.width() : r.height();
  const int h = n / 2;
  for (int i = 0; i <= h && i < n; ++i) {
    const QColor c = qcolor(fill.StepColor(i, h));
    for (const int pos : {i, n - i - 1}) {
      if (across)
        canvas.fillRect(QRect(r.x() + pos, r.y(), 1, r.height()), c);
      else
        canvas.fillRect(QRect(r.x(), r.y() + pos, r.width(), 1), c);
    }
  }
}

// 156 ellipses on a bitmap of the rectangle's size, from one step inside the rectangle enlarged
// by a quarter on every side, inwards.
void elliptic(const TrpGradientFill& fill, QPainter& canvas, const QRect& r) {
  if (r.width() <= 0 || r.height() <= 0 || !rpImageSizeAllowed(r.size())) return;
  QImage bitmap(r.size(), QImage::Format_RGB32);
  bitmap.fill(qcolor(fill.StartColor()));
  QPainter p(&bitmap);
  p.setPen(Qt::NoPen);
  const double w = r.width(), h = r.height();
  const double stepX = (w / 4 + w / 2) / 155, stepY = (h / 4 + h / 2) / 155;
  double left = -w / 4, top = -h / 4, right = w + w / 4, bottom = h + h / 4;
  for (int i = 0; i < 156; ++i) {
    left += stepX, top += stepY, right -= stepX, bottom -= stepY;
    const int l = static_cast<int>(left), t = static_cast<int>(top);
    const int rr = static_cast<int>(right), b = static_cast<int>(bottom);
    if (rr <= l || b <= t) break;
    p.setBrush(qcolor(fill.StepColor(i, 155)));
    p.drawEllipse(QRect(l, t, rr - l, b - t));
  }
  p.end();
  canvas.drawImage(r.topLeft(), bitmap);
}

// 256 nested rectangles, each smaller by half the extent / 255 on every side.
void rectangles(const TrpGradientFill& fill, QPainter& canvas, const QRect& r) {
  const double stepX = r.width() / 2.0 / 255, stepY = r.height() / 2.0 / 255;
  for (int i = 0; i < 256; ++i) {
    const int l = static_cast<int>(r.x() + i * stepX), t = static_cast<int>(r.y() + i * stepY);
    const int rr = static_cast<int>(r.x() + r.width() - i * stepX);
    const int b = static_cast<int>(r.y() + r.height() - i * stepY);
    if (rr <= l || b <= t) break;
    canvas.fillRect(QRect(l, t, rr - l, b - t), qcolor(fill.StepColor(i, 255)));
  }
}

}  // namespace

const TrpEnumType rpGradientStyleType{"TrpGradientStyle", kGradientStyles};

const TrpClassInfo& TrpGradientFill::StaticClassInfo() {
  using C = TrpGradientFill;
  static const TrpClassInfo info(
      "TrpGradientFill", &TrpCustomFill::StaticClassInfo(), nullptr,
      {
          rpColor<&C::StartColor, &C::SetStartColor>("StartColor", clWhite),
          rpColor<&C::EndColor, &C::SetEndColor>("EndColor", clBlack),
          // No declared default: always written.
          rpEnum<&C::GradientStyle, &C::SetGradientStyle>("GradientStyle", rpGradientStyleType),
      });
  return info;
}

const TrpClassInfo& TrpGradientFill::ClassInfo() const { return StaticClassInfo(); }

void TrpGradientFill::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpGradientFill*>(&source);
  if (!other || other == this) return;
  FStartColor = other->FStartColor;
  FEndColor = other->FEndColor;
  FGradientStyle = other->FGradientStyle;
  StampChange();
}

TColor TrpGradientFill::StepColor(int step, int steps) const {
  const Rgb s = channels(FStartColor), e = channels(FEndColor);
  const auto channel = [&](int start, int end) {
    return (start + rpMulDiv(step, end - start, steps)) & 0xFF;
  };
  return static_cast<TColor>(channel(s.r, e.r) | (channel(s.g, e.g) << 8) |
                             (channel(s.b, e.b) << 16));
}

TColor TrpGradientFill::ViewColor() const { return StepColor(127, 255); }

void TrpGradientFill::Draw(QPainter& canvas, const QRect& rect) const {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  switch (FGradientStyle) {
    case gsHorizontal:
      return linearStripes(*this, canvas, rect, true);
    case gsVertical:
      return linearStripes(*this, canvas, rect, false);
    case gsElliptic:
      return elliptic(*this, canvas, rect);
    case gsRectangle:
      return rectangles(*this, canvas, rect);
    case gsVertCenter:
      return centreStripes(*this, canvas, rect, false);
    case gsHorizCenter:
      return centreStripes(*this, canvas, rect, true);
  }
}
