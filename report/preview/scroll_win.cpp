// Positions clamped to the laid-out area, and the scroll bars kept in step with them.
#include "report/preview/scroll_win.h"

#include <QScrollBar>

#include <algorithm>

namespace {

int clampPosition(int value, int range, int page) {
  // Upper bound first, so a range smaller than the page ends at 0.
  value = std::min(value, range - page);
  return std::max(value, 0);
}

}  // namespace

TrpScrollWin::TrpScrollWin(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Painting covers the whole surface: nothing is erased first.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
          [this](int action) { OnBarAction(horizontalScrollBar(), true, action); });
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
          [this](int action) { OnBarAction(verticalScrollBar(), false, action); });
}

void TrpScrollWin::UpdateBar(QScrollBar* bar, int range, int page, int position) {
  FUpdatingBars = true;
  bar->setRange(0, std::max(0, range - page));
  bar->setPageStep(std::max(0, page));
  bar->setValue(position);
  FUpdatingBars = false;
}

// The bar has moved its slider by its own steps; replace them with ours before it settles.
void TrpScrollWin::OnBarAction(QScrollBar* bar, bool horizontal, int action) {
  const int position = horizontal ? FHorzPosition : FVertPosition;
  const int range = horizontal ? FHorzRange : FVertRange;
  int target = bar->sliderPosition();
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: target = position + FSmallChange; break;
    case QAbstractSlider::SliderSingleStepSub: target = position - FSmallChange; break;
    case QAbstractSlider::SliderPageStepAdd: target = position + FLargeChange; break;
    case QAbstractSlider::SliderPageStepSub: target = position - FLargeChange; break;
    case QAbstractSlider::SliderToMinimum: target = 0; break;
    case QAbstractSlider::SliderToMaximum: target = range; break;
    default: return;  // thumb tracking takes the bar's own position
  }
  target = clampPosition(target, range, horizontal ? FHorzPage : FVertPage);
  bar->setSliderPosition(target);
}

void TrpScrollWin::scrollContentsBy(int, int) {
  if (FUpdatingBars) return;
  SetHorzPosition(horizontalScrollBar()->value());
  SetVertPosition(verticalScrollBar()->value());
}

void TrpScrollWin::SetHorzPosition(int value) {
  value = clampPosition(value, FHorzRange, FHorzPage);
  if (value == FHorzPosition) return;
  FHorzPosition = value;
  UpdateBar(horizontalScrollBar(), FHorzRange, FHorzPage, FHorzPosition);
  OnHScrollChange();
}

void TrpScrollWin::SetVertPosition(int value) {
  value = clampPosition(value, FVertRange, FVertPage);
  if (value == FVertPosition) return;
  FVertPosition = value;
  UpdateBar(verticalScrollBar(), FVertRange, FVertPage, FVertPosition);
  OnVScrollChange();
}

void TrpScrollWin::SetHorzRange(int value) {
  FHorzRange = value;
  UpdateBar(horizontalScrollBar(), FHorzRange, FHorzPage, FHorzPosition);
}

void TrpScrollWin::SetVertRange(int value) {
  FVertRange = value;
  UpdateBar(verticalScrollBar(), FVertRange, FVertPage, FVertPosition);
}

void TrpScrollWin::SetHorzPage(int value) {
  FHorzPage = value;
  UpdateBar(horizontalScrollBar(), FHorzRange, FHorzPage, FHorzPosition);
}

void TrpScrollWin::SetVertPage(int value) {
  FVertPage = value;
  UpdateBar(verticalScrollBar(), FVertRange, FVertPage, FVertPosition);
}
