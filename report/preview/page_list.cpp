// Row layout and the lookups of the page list.
#include "report/preview/page_list.h"

#include <algorithm>
#include <climits>

namespace {

// Workspace coordinates are 32-bit; a layout taller than that is cut off rather than wrapped.
int saturate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The A4 sheet drawn before a report has pages, in pixels at zoom 1.
constexpr Extended kDefaultWidth = 794;
constexpr Extended kDefaultHeight = 1123;

}  // namespace

void TrpPageList::Clear() {
  FItems.clear();
  FMaxWidth = 0;
}

void TrpPageList::AddPage(Extended width, Extended height, Extended zoom) {
  TrpPageItem item;
  item.Width = saturate(rpRound(zoom * width));
  item.Height = saturate(rpRound(zoom * height));
  FItems.push_back(item);
}

void TrpPageList::CentreRow(size_t first, size_t end, int rowWidth, int clientWidth) {
  int shift = (clientWidth - rowWidth + kGap) / 2;  // truncated toward zero
  if (shift < 0) shift = 0;
  for (size_t i = first; i < end; ++i) FItems[i].OffsetX = saturate(1LL * FItems[i].OffsetX + shift + kGap);
}

void TrpPageList::CalcBounds(int clientWidth) {
  FMaxWidth = 0;
  long long y = kGap;
  size_t i = 0;
  while (i < FItems.size()) {
    const size_t first = i;
    long long x = 0;
    int rowHeight = 0;
    while (i < FItems.size() && (i == first || x + FItems[i].Width <= clientWidth)) {
      FItems[i].OffsetX = saturate(x);
      FItems[i].OffsetY = saturate(y);
      x += FItems[i].Width + kGap;
      rowHeight = std::max(rowHeight, FItems[i].Height);
      ++i;
    }
    if (x > FMaxWidth) FMaxWidth = saturate(x);
    CentreRow(first, i, saturate(x), clientWidth);
    y += rowHeight + kGap;
  }
}

int TrpPageList::FindPage(int offsetY, int offsetX) const {
  int lo = 0;
  int hi = Count() - 1;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const long long slack = offsetX == 0 ? rpRound(Item(mid).Height / 5.0L) : 0;
    if (Item(mid).OffsetY > offsetY + slack)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  const int candidate = hi;
  if (offsetX == 0) return candidate;
  for (int i = std::max(0, candidate - 20); i <= candidate + 20 && i < Count(); ++i) {
    const TrpPageItem& item = Item(i);
    // Left and top edges belong to the page, right and bottom ones to what follows.
    if (offsetX >= item.OffsetX && offsetX < item.OffsetX + item.Width && offsetY >= item.OffsetY &&
        offsetY < item.OffsetY + item.Height)
      return i;
  }
  return candidate;
}

QRect TrpPageList::GetPageBounds(int index, int clientWidth, bool rightToLeft, Extended scale) const {
  if (index >= 0 && index < Count()) {
    const TrpPageItem& item = Item(index);
    const int left = rightToLeft ? clientWidth - item.Width - item.OffsetX : item.OffsetX;
    return QRect(QPoint(left, item.OffsetY), QPoint(left + item.Width, item.OffsetY + item.Height));
  }
  const Extended w = kDefaultWidth * scale;
  const int left = clientWidth >= w ? saturate(rpRound((clientWidth - w) / 2)) : kGap;
  const int top = saturate(rpRound(kGap * scale));
  return QRect(QPoint(left, top), QPoint(left + saturate(rpRound(w)), top + saturate(rpRound(kDefaultHeight * scale))));
}

QPoint TrpPageList::GetMaxBounds() const {
  if (FItems.empty()) return {0, 0};
  const TrpPageItem& last = FItems.back();
  return {FMaxWidth, saturate(1LL * last.OffsetY + last.Height)};
}
