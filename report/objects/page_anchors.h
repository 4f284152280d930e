#pragma once
// TrpPageAnchors: the anchors and the logical page numbers of the prepared pages, which the
// engine keeps while it builds them and the report's expressions and script read (Page,
// TotalPages, AddAnchor, GetAnchorPage). The store (report/store) implements it through
// TrpCustomPreviewPages.
class QString;

class TrpPageAnchors {
 public:
  // Appends an anchor at the current page and the engine's current position.
  virtual void AddAnchor(const QString& text) = 0;
  // After kept content moved to the next page: every anchor after index `from` moves to the next
  // page, the first of them to `newTop` and the others by the same amount.
  virtual void ShiftAnchors(int from, int newTop) = 0;
  // The position (report units) of anchor `index`, in the order they were added; 0 when there
  // is none.
  virtual int AnchorTopAt(int index) const = 0;
  // The index of the last anchor added; -1 when there is none.
  virtual int GetAnchorCurPosition() const = 0;
  // The page number (from 1) of the last anchor named `text` (ignoring case); 1 when there is
  // none.
  virtual int GetAnchorPage(const QString& text) const = 0;

  virtual void IncLogicalPageNumber() = 0;
  virtual void ResetLogicalPageNumber() = 0;
  virtual int GetLogicalPageNo() const = 0;
  virtual int GetLogicalTotalPages() const = 0;

 protected:
  TrpPageAnchors() = default;
  ~TrpPageAnchors() = default;
};
