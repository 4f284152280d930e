// Drawing a frame: the drop shadow, then each side with its own line's colour, style and width.
// Lines are laid down as pixel rectangles, so every side lands on the same pixels at any zoom
// and on any device: a line of width w across position p covers p - w div 2 .. p - w div 2 + w - 1.
#include <QPainter>

#include <algorithm>

#include "report/text/color_names.h"
#include "report/views/frame.h"

namespace {

int px(Extended value) { return static_cast<int>(rpRound(value)); }

// Cosmetic dash patterns (on, off, ...) in pixels.
struct DashPattern {
  TrpFrameStyle Style;
  std::initializer_list<int> Runs;
};
const DashPattern kDashes[] = {
    {fsDash, {18, 6}},
    {fsDot, {3, 3}},
    {fsDashDot, {9, 6, 3, 6}},
    {fsDashDotDot, {9, 3, 3, 3, 3, 3}},
};

const std::initializer_list<int>* dashRuns(TrpFrameStyle style) {
  for (const DashPattern& d : kDashes)
    if (d.Style == style) return &d.Runs;
  return nullptr;
}

// One side of the frame in device terms: a line along the main axis from A to B at the cross
// position P; Vertical for the left and right sides. Outward is the sign of "away from the inside".
struct Side {
  bool Vertical;
  int P, A, B;
  int Outward;
  bool StartJoined, EndJoined;  // whether the neighbouring side at each end is drawn
};

class SidePainter {
 public:
  SidePainter(QPainter& canvas, const Side& side, const QColor& color)
      : FCanvas(canvas), FSide(side), FColor(color) {}

  // The band from `a` to `b` (exclusive) along the side, `w` thick across, starting at `cross`.
  void Band(int cross, int w, int a, int b) const {
    if (b <= a || w <= 0) return;
    if (FSide.Vertical)
      FCanvas.fillRect(QRect(cross, a, w, b - a), FColor);
    else
      FCanvas.fillRect(QRect(a, cross, b - a, w), FColor);
  }

  // A line of width w centred on `p`, square caps: it reaches w div 2 past each end.
  void Square(int p, int w, int a, int b) const {
    const int h = w / 2;
    Band(p - h, w, a - h, b - h + w);
  }

  void Solid(int w) const {
    const int h = w / 2;
    // An end that meets no neighbouring side is pulled in, so the cap does not stick out.
    const int a = FSide.StartJoined ? FSide.A : FSide.A + h;
    const int b = FSide.EndJoined ? FSide.B : FSide.B - h;
    Square(FSide.P, w, a, b);
  }

  // Two lines of width w, w outside and w inside the edge. At a joined corner the outer line
  // reaches w further and the inner one stops w short, so the two frames close.
  void Double(int w) const {
    const int h = w / 2;
    for (const int dir : {+1, -1}) {  // +1 outer, -1 inner
      const int p = FSide.P + dir * FSide.Outward * w;
      const int a = FSide.StartJoined ? FSide.A - dir * w : FSide.A + h;
      const int b = FSide.EndJoined ? FSide.B + dir * w : FSide.B - h;
      Square(p, w, a, b);
    }
  }

  // w parallel one-pixel dashed lines.
  void Dashed(int w, const std::initializer_list<int>& runs) const {
    const int h = w / 2;
    for (int k = 0; k < w; ++k) {
      int pos = FSide.A;
      bool on = true;
      while (pos < FSide.B) {
        for (const int run : runs) {
          if (pos >= FSide.B) break;
          if (on) Band(FSide.P - h + k, 1, pos, std::min(pos + run, FSide.B));
          pos += run;
          on = !on;
        }
      }
    }
  }

  // Squares (fsSquare) or round dots (fsAltDot) of size w, 2w apart; single pixels for w of 1.
  void Dotted(int w, bool round) const {
    const int h = w / 2;
    for (int pos = FSide.A; pos < FSide.B; pos += 2 * w) {
      if (w <= 1 || !round) {
        Band(FSide.P - h, w, pos, std::min(pos + w, FSide.B));
        continue;
      }
      const QRect dot = FSide.Vertical ? QRect(FSide.P - h, pos - h, w, w)
                                       : QRect(pos - h, FSide.P - h, w, w);
      FCanvas.save();
      FCanvas.setRenderHint(QPainter::Antialiasing, false);
      FCanvas.setPen(Qt::NoPen);
      FCanvas.setBrush(FColor);
      FCanvas.drawEllipse(dot);
      FCanvas.restore();
    }
  }

 private:
  QPainter& FCanvas;
  Side FSide;
  QColor FColor;
};

void drawShadow(QPainter& canvas, const TrpFrame& frame, const TrpFrameGeometry& g) {
  if (frame.ShadowColor() == clNone) return;
  const QColor color = rpToQColor(frame.ShadowColor());
  const int s = px(frame.ShadowWidth() * g.ScaleX);
  const int t = px(frame.ShadowWidth() * g.ScaleY);
  // Right band, then the bottom band under it, both inside the object's original box.
  if (s > 0 && g.Y1 > g.Y + s) canvas.fillRect(QRect(g.X1, g.Y + s, s, g.Y1 - g.Y - s), color);
  if (t > 0 && g.X1 > g.X) canvas.fillRect(QRect(g.X + t, g.Y1, g.X1 - g.X, t), color);
}

Side sideOf(TrpFrameType type, const TrpFrameTypes typ, const TrpFrameGeometry& g) {
  switch (type) {
    case ftLeft:
      return {true, g.X, g.Y, g.Y1, -1, typ.Has(ftTop), typ.Has(ftBottom)};
    case ftRight:
      return {true, g.X1, g.Y, g.Y1, +1, typ.Has(ftTop), typ.Has(ftBottom)};
    case ftTop:
      return {false, g.Y, g.X, g.X1, -1, typ.Has(ftLeft), typ.Has(ftRight)};
    case ftBottom:
      return {false, g.Y1, g.X, g.X1, +1, typ.Has(ftLeft), typ.Has(ftRight)};
  }
  return {};
}

void drawSide(QPainter& canvas, const TrpFrame& frame, TrpFrameType type,
              const TrpFrameGeometry& g) {
  const TrpFrameLine& line = *frame.Line(type);
  if (line.Color() == clNone || line.Width() <= 0) return;
  const TrpFrameStyle style = line.Style();
  // A pen never vanishes at small zoom: a visible line is at least one pixel.
  const int w = std::max(px(line.Width() * g.ScaleX), 1);
  Side side = sideOf(type, frame.Typ(), g);
  if (style != fsSolid) {
    if (type == ftLeft && w == 2) side.A -= 1;
    if (type == ftBottom && w == 1) side.B += 1;
  }
  const SidePainter painter(canvas, side, rpToQColor(line.Color()));
  if (style == fsSolid)
    painter.Solid(w);
  else if (style == fsDouble)
    painter.Double(w);
  else if (style == fsAltDot || style == fsSquare)
    painter.Dotted(w, style == fsAltDot);
  else if (const auto* runs = dashRuns(style))
    painter.Dashed(w, *runs);
}

}  // namespace

void TrpFrame::Draw(QPainter& canvas, const TrpFrameGeometry& g) const {
  if (FDropShadow) drawShadow(canvas, *this, g);
  if (FTyp.IsEmpty() || FColor == clNone || FWidth == 0) return;
  for (const TrpFrameType side : {ftLeft, ftRight, ftTop, ftBottom})
    if (FTyp.Has(side)) drawSide(canvas, *this, side, g);
}
