#pragma once
// TrpPreviewWorkspace: the grey surface on which prepared pages are laid out, painted through the
// store, framed and scrolled. It knows nothing of reports: the preview control tells it the store,
// the zoom and the current page. The control owns two: the main one and the thumbnail strip.
#include <QColor>
#include <QCursor>
#include <QElapsedTimer>
#include <QPoint>

#include <memory>

#include "report/preview/page_list.h"
#include "report/preview/scroll_win.h"
#include "report/units/report_units.h"

class QPainter;
class TrpComponent;
class TrpPageReader;
class TrpPageTextRecording;
class TrpPreview;

class TrpPreviewWorkspace : public TrpScrollWin {
  Q_OBJECT
 public:
  TrpPreviewWorkspace(TrpPreview* preview, QWidget* parent);
  ~TrpPreviewWorkspace() override;

  // --- what the control sets -------------------------------------------------------------------
  TrpPageReader* PreviewPages() const { return FPreviewPages; }
  void SetPreviewPages(TrpPageReader* value) { FPreviewPages = value; }
  Extended Zoom() const { return FZoom; }
  void SetZoom(Extended value) { FZoom = value; }
  int PageNo() const { return FPageNo; }
  void SetPageNo(int value) { FPageNo = value; }
  bool IsThumbnail() const { return FIsThumbnail; }
  void SetIsThumbnail(bool value) { FIsThumbnail = value; }
  bool Locked() const { return FLocked; }
  void SetLocked(bool value) { FLocked = value; }
  bool DisableUpdate() const { return FDisableUpdate; }
  void SetDisableUpdate(bool value) { FDisableUpdate = value; }
  bool RTLLanguage() const { return FRTLLanguage; }
  void SetRTLLanguage(bool value) { FRTLLanguage = value; }
  int LastFoundPage() const { return FLastFoundPage; }
  void SetLastFoundPage(int value) { FLastFoundPage = value; }
  QColor ActiveFrameColor() const { return FActiveFrameColor; }
  void SetActiveFrameColor(QColor value) { FActiveFrameColor = value; }
  QColor BackColor() const { return FBackColor; }
  void SetBackColor(QColor value) { FBackColor = value; }
  QColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(QColor value) { FFrameColor = value; }
  const TrpPageList& PageList() const { return FPageList; }
  QPoint Offset() const { return FOffset; }

  // --- layout ----------------------------------------------------------------------------------
  void AddPage(Extended width, Extended height) { FPageList.AddPage(width, height, FZoom); }
  void ClearPageList() { FPageList.Clear(); }
  void CalcPageBounds(int clientWidth) { FPageList.CalcBounds(clientWidth); }
  // Ranges: the laid-out area plus a 10-pixel margin.
  void UpdateScrollBars();
  // Scrolls so that page `pageNo` (1-based) stands 10 pixels below the top, unless the change
  // came from scrolling this workspace.
  void SetToPageNo(int pageNo);
  // Scrolls so that `top` (report units within page `pageN`, 1-based) is at the top of the view.
  void SetPosition(int pageN, int top);
  // The inverse of SetPosition for the current page: report units below its top margin.
  int GetTopPosition();
  // The page rectangle on the screen (scroll offset applied), mirrored when RTLLanguage.
  QRect ScreenBounds(int index) const;

  // --- painting --------------------------------------------------------------------------------
  // Paints the visible pages on `canvas` (the viewport): background around them, the frame of the
  // current page, and unless `borderOnly` the pages themselves.
  void DrawPages(QPainter& canvas, bool borderOnly);
  // Repaints; with `borderOnly` the pages keep their contents and only frames and background are
  // redrawn.
  void Repaint(bool borderOnly = false);
  // --- text search ------------------------------------------------------------------------------
  // One search step from page LastFoundPage on, after the last hit there: marks and shows the next
  // hit, or says "Text not found". The shared search state says what is looked for.
  bool FindText();
  // Drops the recorded page the search keeps between steps (its layout may have changed).
  void ClearSearchPicture();

  // How many pages the last paint drew (for tests and measurements).
  int PagesDrawn() const { return FPagesDrawn; }

 signals:
  void DoubleClicked();
  // A paint has finished; `pagesDrawn` pages had their contents drawn.
  void Painted(int pagesDrawn);

 protected:
  void OnHScrollChange() override;
  void OnVScrollChange() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // The wheel belongs to the preview control, which scrolls or zooms the main workspace.
  void wheelEvent(QWheelEvent* event) override;

 private:
  int LayoutWidth() const;
  void DrawPage(QPainter& canvas, int index, const QRect& bounds);
  bool ShowsFoundText(int index) const;
  void DrawFoundText(QPainter& canvas, const QRect& bounds);
  const TrpPageTextRecording& PageText(int index);
  void ScrollToFoundText();
  void DrawActiveFrame(QPainter& canvas);
  bool IsVisible(const QRect& bounds, const QRegion& exposed) const;
  // The store's mouse path for `event` at `at` on `page`: the objects' and the report's handlers,
  // hyperlinks, and the cursor to show. An exception of a handler (a failing script procedure)
  // ends here, shown in the status line: it must not leave a Qt event handler.
  TrpComponent* MouseEventAt(int page, QPoint at, int event, Qt::CursorShape& cursor, bool& modified,
                             Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers shift = {});
  bool ToggleDrillDownAt(int page, QPoint at);
  void Hover(QPoint at);
  void ShowObjectHint(TrpComponent* object, QPoint at);

  TrpPreview* FPreview;
  TrpPageReader* FPreviewPages = nullptr;
  TrpPageList FPageList;
  QColor FActiveFrameColor{255, 199, 60};
  QColor FBackColor{128, 128, 128};
  QColor FFrameColor{96, 96, 96};
  QCursor FDefaultCursor{Qt::OpenHandCursor};
  bool FDisableUpdate = false;
  bool FDown = false;
  bool FIsThumbnail = false;
  int FLastFoundPage = 0;
  std::unique_ptr<TrpPageTextRecording> FEMFImage;  // the page the search looks at, recorded
  int FEMFImagePage = -1;
  QPoint FLastPoint;
  bool FLocked = false;
  QPoint FOffset;
  QElapsedTimer FTimeOffset;  // since the last click, for double clicks
  int FPageNo = 1;
  Extended FZoom = 1.0L;
  bool FRTLLanguage = false;
  bool FBorderOnly = false;
  int FPagesDrawn = 0;
  bool FShowingHint = false;
};
