// The workspace's layout positions, scrolling and painting.
#include "report/preview/preview_workspace.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/pages/report_page.h"
#include "report/preview/page_text_recording.h"
#include "report/preview/preview.h"
#include "report/preview/text_search_state.h"

namespace {

// Pages examined around the first visible one when painting: enough for the smallest zoom's rows.
constexpr int kPagesBefore = 60;
constexpr int kPagesAfter = 340;
// The margin above a page scrolled to the top of the view.
constexpr int kTopGap = 10;

// The band the current-page frame covers around a page, which a frame-only repaint updates.
QRegion frameRing(const QRect& bounds) {
  const QRect page(bounds.left(), bounds.top(), bounds.width() - 1, bounds.height() - 1);
  return QRegion(page.adjusted(-3, -3, 3, 3)).subtracted(QRegion(page));
}

}  // namespace

TrpPreviewWorkspace::TrpPreviewWorkspace(TrpPreview* preview, QWidget* parent)
    : TrpScrollWin(parent), FPreview(preview) {
  FLargeChange = 300;
  FSmallChange = 8;
  viewport()->setMouseTracking(true);
  viewport()->setCursor(FDefaultCursor);
  setFrameShape(QFrame::NoFrame);
}

TrpPreviewWorkspace::~TrpPreviewWorkspace() = default;

int TrpPreviewWorkspace::LayoutWidth() const {
  return viewport()->width();
}

void TrpPreviewWorkspace::UpdateScrollBars() {
  const QPoint max = FPageList.GetMaxBounds();
  SetHorzRange(max.x() + 10);
  SetVertRange(max.y() + 10);
}

void TrpPreviewWorkspace::resizeEvent(QResizeEvent* event) {
  TrpScrollWin::resizeEvent(event);
  SetHorzPage(viewport()->width());
  SetVertPage(viewport()->height());
}

void TrpPreviewWorkspace::SetToPageNo(int pageNo) {
  if (FDisableUpdate || pageNo < 1 || pageNo > FPageList.Count()) return;
  SetVertPosition(FPageList.Item(pageNo - 1).OffsetY - kTopGap);
}

void TrpPreviewWorkspace::SetPosition(int pageN, int top) {
  if (!FPreviewPages || pageN < 1 || pageN > FPageList.Count()) return;
  TrpReportPage* page = FPreviewPages->GetPage(pageN - 1);
  if (!page) return;
  const long long offset = top == 0 ? 0 : rpRound((page->TopMargin() * rp01cm + top) * FZoom);
  SetVertPosition(static_cast<int>(FPageList.Item(pageN - 1).OffsetY + offset - kTopGap));
}

int TrpPreviewWorkspace::GetTopPosition() {
  if (!FPreviewPages || FPageNo < 1 || FPageNo > FPageList.Count()) return 0;
  TrpReportPage* page = FPreviewPages->GetPage(FPageNo - 1);
  if (!page) return 0;
  const Extended below = (VertPosition() - FPageList.Item(FPageNo - 1).OffsetY + kTopGap) / FZoom;
  return static_cast<int>(rpRound(below - page->TopMargin() * rp01cm));
}

QRect TrpPreviewWorkspace::ScreenBounds(int index) const {
  return FPageList.GetPageBounds(index, LayoutWidth(), FRTLLanguage, FZoom).translated(-FOffset);
}

// --- scrolling ---------------------------------------------------------------------------------

void TrpPreviewWorkspace::OnHScrollChange() {
  const int dx = FOffset.x() - HorzPosition();
  FOffset.setX(HorzPosition());
  viewport()->scroll(FRTLLanguage ? -dx : dx, 0);
}

void TrpPreviewWorkspace::OnVScrollChange() {
  const int dy = FOffset.y() - VertPosition();
  FOffset.setY(VertPosition());
  viewport()->scroll(0, dy);
  if (FIsThumbnail || !FPreview) return;
  // The page at the top of the view becomes current, without scrolling back to its top; a zoom
  // change in progress keeps the page it started on.
  const int saved = FPreview->SavedPageNo();
  FDisableUpdate = true;
  FPreview->SetPageNo(saved != -1 ? saved : FPageList.FindPage(FOffset.y(), 0) + 1);
  FDisableUpdate = false;
}

// --- painting ----------------------------------------------------------------------------------

void TrpPreviewWorkspace::Repaint(bool borderOnly) {
  if (!borderOnly) {
    viewport()->update();
    return;
  }
  // Only the bands the frame may have occupied: the pages themselves keep their image.
  QRegion frames;
  for (int i = 0; i < FPageList.Count(); ++i) {
    const QRect bounds = ScreenBounds(i);
    if (bounds.bottom() >= 0 && bounds.top() <= viewport()->height()) frames += frameRing(bounds);
    if (bounds.top() > viewport()->height()) break;
  }
  viewport()->update(frames);
}

void TrpPreviewWorkspace::paintEvent(QPaintEvent* event) {
  QPainter canvas(viewport());
  canvas.setClipRegion(event->region());
  DrawPages(canvas, false);
  emit Painted(FPagesDrawn);
}

bool TrpPreviewWorkspace::IsVisible(const QRect& bounds, const QRegion& exposed) const {
  return bounds.top() <= viewport()->height() && bounds.bottom() >= 0 && exposed.intersects(bounds);
}

void TrpPreviewWorkspace::DrawPages(QPainter& canvas, bool borderOnly) {
  FPagesDrawn = 0;
  if (!isVisible()) return;
  const QRect client = viewport()->rect();
  if (FLocked || FPageList.Count() == 0) {
    canvas.fillRect(client, FBackColor);
    return;
  }
  if (!FPreviewPages) return;
  const QRegion exposed = canvas.hasClipping() ? canvas.clipRegion() : QRegion(client);
  const int first = FPageList.FindPage(FOffset.y(), 0);
  const int from = std::max(0, first - kPagesBefore);
  const int to = std::min(FPageList.Count() - 1, first + kPagesAfter);
  // The background goes around the visible pages, never over them.
  QRegion background = exposed;
  for (int i = from; i <= to; ++i) {
    const QRect bounds = ScreenBounds(i);
    if (IsVisible(bounds, exposed)) background -= QRect(bounds.topLeft(), bounds.size() - QSize(1, 1));
  }
  canvas.save();
  canvas.setClipRegion(background);
  canvas.fillRect(client, FBackColor);
  canvas.restore();
  DrawActiveFrame(canvas);
  if (borderOnly) return;
  for (int i = from; i <= to; ++i) {
    const QRect bounds = ScreenBounds(i);
    if (IsVisible(bounds, exposed)) DrawPage(canvas, i, bounds);
  }
}

void TrpPreviewWorkspace::DrawActiveFrame(QPainter& canvas) {
  const QRect r = ScreenBounds(FPageNo - 1);
  const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
  canvas.save();
  canvas.setPen(QPen(FActiveFrameColor, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  const QPoint points[] = {{left - 1, top - 1}, {right + 1, top - 1}, {right + 1, bottom + 1},
                           {left - 1, bottom + 1}, {left - 1, top - 2}};
  canvas.drawPolyline(points, 5);
  canvas.restore();
}

void TrpPreviewWorkspace::DrawPage(QPainter& canvas, int index, const QRect& bounds) {
  ++FPagesDrawn;
  canvas.save();
  // A white sheet with a 1-pixel outline; the rectangle's right and bottom edges are outside it.
  canvas.setPen(QPen(FFrameColor, 1));
  canvas.setBrush(Qt::white);
  canvas.drawRect(bounds.left(), bounds.top(), bounds.width() - 2, bounds.height() - 2);
  canvas.restore();
  canvas.save();
  try {
    FPreviewPages->DrawPage(index, canvas, FZoom, FZoom, bounds.left(), bounds.top());
  } catch (const std::exception& e) {
    // A page read from a damaged file: the sheet says so, and so does the preview's hint.
    canvas.restore();
    canvas.save();
    canvas.setPen(Qt::red);
    const QString message = rpErrorText(e);
    canvas.drawText(bounds.adjusted(8, 8, -8, -8), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, message);
    // Shown once this paint is over: the status bar lets events run, which must not happen while
    // the window is being painted.
    if (FPreview)
      QMetaObject::invokeMethod(
          FPreview, [preview = FPreview, message] { preview->ShowHint(message); }, Qt::QueuedConnection);
  }
  canvas.restore();
  if (FIsThumbnail) {
    canvas.save();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    canvas.setFont(font);
    const QString number = QStringLiteral(" %1 ").arg(index + 1);
    const QFontMetrics metrics(font);
    const QRect at(bounds.left() + 1, bounds.top() + 1, metrics.horizontalAdvance(number), metrics.height());
    canvas.fillRect(at, FBackColor);
    canvas.setPen(Qt::white);
    canvas.drawText(at, Qt::AlignLeft | Qt::AlignTop, number);
    canvas.restore();
  }
  if (ShowsFoundText(index)) DrawFoundText(canvas, bounds);
}

// The thumbnail strip marks what its preview's main workspace found, never a page of its own.
bool TrpPreviewWorkspace::ShowsFoundText(int index) const {
  const TrpTextSearchState& search = rpTextSearch();
  const TrpPreviewWorkspace* searched = FIsThumbnail && FPreview ? FPreview->Workspace() : this;
  return search.TextFound && search.FoundIn == searched && index == searched->FLastFoundPage;
}

// The found text shows inverted, one pixel wider on each side.
void TrpPreviewWorkspace::DrawFoundText(QPainter& canvas, const QRect& bounds) {
  const TrpRect& found = rpTextSearch().TextBounds;
  const int left = static_cast<int>(rpRound(found.Left * FZoom));
  const int right = static_cast<int>(rpRound(found.Right * FZoom));
  const int top = static_cast<int>(rpRound(found.Top * FZoom));
  const int bottom = static_cast<int>(rpRound(found.Bottom * FZoom));
  canvas.save();
  canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  canvas.setPen(QPen(Qt::white, 1));
  for (int y = top; y <= bottom; ++y)
    canvas.drawLine(bounds.left() + left - 1, bounds.top() + y, bounds.left() + right + 1, bounds.top() + y);
  canvas.restore();
}
