#pragma once
// TrpPageList: the rectangles of the prepared pages on the workspace at one zoom. Pages are laid
// out in rows, 10 pixels apart; at ordinary zooms every page is a row of its own.
#include <QPoint>
#include <QRect>

#include <vector>

#include "report/units/report_units.h"

struct TrpPageItem {
  int Height = 0;   // at the current zoom
  int Width = 0;
  int OffsetX = 0;  // workspace coordinates, left-to-right layout
  int OffsetY = 0;
};

class TrpPageList {
 public:
  // The gap between pages and around rows, in pixels.
  static constexpr int kGap = 10;

  int Count() const { return static_cast<int>(FItems.size()); }
  const TrpPageItem& Item(int index) const { return FItems[static_cast<size_t>(index)]; }
  int MaxWidth() const { return FMaxWidth; }

  void Clear();
  // Appends a page of `width` x `height` pixels at zoom 1, scaled by `zoom` (halves to even).
  void AddPage(Extended width, Extended height, Extended zoom);
  // Lays the pages out in centred rows no wider than `clientWidth` (a wider page gets a row of
  // its own).
  void CalcBounds(int clientWidth);
  // Zero-based page at a workspace position. With offsetX 0 the question is about scrolling: the
  // last page whose top is within a fifth of its height below offsetY. Otherwise a hit test near
  // that page. -1 when the position lies above the first page.
  int FindPage(int offsetY, int offsetX = 0) const;
  // The page rectangle (left, top, right = left + width, bottom = top + height, as QRect's
  // right() and bottom()) in workspace coordinates; for an index outside the list, an A4 page at
  // `scale` centred in `clientWidth`.
  QRect GetPageBounds(int index, int clientWidth, bool rightToLeft, Extended scale) const;
  // (widest row with its trailing gap, bottom of the last page); (0,0) without pages.
  QPoint GetMaxBounds() const;

 private:
  void CentreRow(size_t first, size_t end, int rowWidth, int clientWidth);

  std::vector<TrpPageItem> FItems;
  int FMaxWidth = 0;
};
