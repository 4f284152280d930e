#pragma once
// TrpCustomOutline: the tree of headings of the prepared pages, as the engine and the preview see
// it. The prepared-pages store implements it.
#include <QString>

class TrpCustomPreviewPages;

class TrpCustomOutline {
 public:
  explicit TrpCustomOutline(TrpCustomPreviewPages& pages) : FPreviewPages(pages) {}
  virtual ~TrpCustomOutline() = default;
  TrpCustomOutline(const TrpCustomOutline&) = delete;
  TrpCustomOutline& operator=(const TrpCustomOutline&) = delete;

  // The number of items on the current level.
  virtual int GetCount() const = 0;
  // Adds an item pointing at the current page at `top` (report units) on the current level.
  virtual void AddItem(const QString& text, int top) = 0;
  // Makes the children of item `index` the current level.
  virtual void LevelDown(int index) = 0;
  virtual void LevelRoot() = 0;
  virtual void LevelUp() = 0;
  // Item `index` of the current level: its text, page number and position.
  virtual void GetItem(int index, QString& text, int& page, int& top) const = 0;
  // After kept content moved to the next page: every item after `from` among the current
  // level's items (with its subtree) moves to the next page, the first of them to `newTop` and
  // the others by the same amount.
  virtual void ShiftItems(int from, int newTop) = 0;
  // Takes every item after `from` among the current level's items (with its subtree) out of the
  // outline, until PasteItems puts them back: kept content moved to a page with an entry of its
  // own moves its entries under that page's.
  virtual void CutItems(int from) = 0;
  // Appends the items CutItems took to the current level, in their order.
  virtual void PasteItems() = 0;
  // The position of the last item, for CutObjects / PasteObjects of the engine.
  virtual int GetCurPosition() const = 0;

  TrpCustomPreviewPages& PreviewPages() const { return FPreviewPages; }

 private:
  TrpCustomPreviewPages& FPreviewPages;
};
