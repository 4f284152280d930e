// How a view maps itself to device pixels and paints its background and frame.
#include <QPainter>

#include "report/views/frame.h"
#include "report/views/view.h"

namespace {
int px(Extended value) { return static_cast<int>(rpRound(value)); }
}  // namespace

void TrpView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                   Extended offsetY) {
  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  DrawBackground();
  DrawFrame();
}

void TrpView::BeginDraw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                        Extended offsetY) {
  FCanvas = &canvas;
  FScaleX = scaleX;
  FScaleY = scaleY;
  FOffsetX = offsetX;
  FOffsetY = offsetY;
  const Extended left = AbsLeft(), top = AbsTop();
  FX = px(offsetX + scaleX * left);
  FY = px(offsetY + scaleY * top);
  FX1 = px(offsetX + scaleX * (left + Width()));
  FY1 = px(offsetY + scaleY * (top + Height()));
  // The shadow is drawn inside the object's box, so the object itself shrinks by its width.
  if (FFrame->DropShadow()) {
    FX1 -= px(FFrame->ShadowWidth() * scaleX);
    FY1 -= px(FFrame->ShadowWidth() * scaleY);
  }
  FDX = FX1 - FX;
  FDY = FY1 - FY;
  FFrameWidth = px(FFrame->Width() * scaleX);
}

QRect TrpView::BackgroundRect() const {
  // Under a frame line the fill reaches the line's middle, so no gap shows between them; the
  // right and bottom edges take the odd pixel of an odd pen width.
  const Extended w = FFrame->Width();
  const TrpFrameTypes typ = FFrame->Typ();
  int left = FX, top = FY, right = FX1, bottom = FY1;
  if (typ.Has(ftLeft)) left -= px(w * FScaleX / 2);
  if (typ.Has(ftTop)) top -= px(w * FScaleY / 2);
  if (typ.Has(ftRight)) right += px(w * FScaleX / 2) + px(w * FScaleX) % 2;
  if (typ.Has(ftBottom)) bottom += px(w * FScaleY / 2) + px(w * FScaleY) % 2;
  return QRect(left, top, right - left, bottom - top);
}

void TrpView::DrawBackground() {
  if (!FCanvas) return;
  const QRect rect = BackgroundRect();
  if (rect.width() <= 0 || rect.height() <= 0) return;
  FFill->Draw(*FCanvas, rect);
}

void TrpView::DrawFrame() {
  if (!FCanvas) return;
  FFrame->Draw(*FCanvas, TrpFrameGeometry{FX, FY, FX1, FY1, FScaleX, FScaleY});
}
