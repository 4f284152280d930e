#pragma once
// TrpScrollWin: a scrolling surface with both scroll bars always shown, whose positions, ranges
// and pages are plain 32-bit pixel counts kept here; the bars only show them. Line steps move by
// FSmallChange and page steps by FLargeChange, independently of the bars' page size.
#include <QAbstractScrollArea>

class TrpScrollWin : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TrpScrollWin(QWidget* parent = nullptr);

  int HorzPosition() const { return FHorzPosition; }
  int VertPosition() const { return FVertPosition; }
  int HorzRange() const { return FHorzRange; }
  int VertRange() const { return FVertRange; }
  int HorzPage() const { return FHorzPage; }
  int VertPage() const { return FVertPage; }
  int SmallChange() const { return FSmallChange; }
  int LargeChange() const { return FLargeChange; }

  // Clamped to 0 .. range - page (upper bound first, then 0); a change moves the bar and calls
  // OnHScrollChange / OnVScrollChange.
  void SetHorzPosition(int value);
  void SetVertPosition(int value);
  void SetHorzRange(int value);
  void SetVertRange(int value);
  void SetHorzPage(int value);
  void SetVertPage(int value);

 protected:
  virtual void OnHScrollChange() {}
  virtual void OnVScrollChange() {}
  // The bars move the surface only through the Set functions above.
  void scrollContentsBy(int dx, int dy) override;

  int FSmallChange = 1;
  int FLargeChange = 10;

 private:
  void UpdateBar(QScrollBar* bar, int range, int page, int position);
  void OnBarAction(QScrollBar* bar, bool horizontal, int action);

  int FHorzPage = 0;
  int FHorzPosition = 0;
  int FHorzRange = 0;
  int FVertPage = 0;
  int FVertPosition = 0;
  int FVertRange = 0;
  bool FUpdatingBars = false;
};
