// The workspace: clamped positions, painting only what is visible, the frame of the current page,
// and the mouse over the space above the first page.
#include <QMouseEvent>
#include <QScrollBar>

#include "preview_fixture.h"

namespace {

QImage grabViewport(TrpPreviewWorkspace& ws) {
  return ws.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST_F(PreviewTest, PositionsStopAtTheEndsOfTheRange) {
  auto preview = Show(3);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  ws.SetVertPosition(10'000'000);
  EXPECT_EQ(ws.VertPosition(), ws.VertRange() - ws.VertPage());
  EXPECT_EQ(ws.verticalScrollBar()->value(), ws.VertPosition());
  ws.SetVertPosition(-50);
  EXPECT_EQ(ws.VertPosition(), 0);
}

TEST_F(PreviewTest, ScrollRangesCoverTheLayoutWithAMargin) {
  auto preview = Show(2);
  preview->SetZoom(1);
  const TrpPreviewWorkspace& ws = *preview->Workspace();
  EXPECT_EQ(ws.HorzRange(), ws.PageList().GetMaxBounds().x() + 10);
  EXPECT_EQ(ws.VertRange(), 10 + 1123 + 10 + 1123 + 10);
}

TEST_F(PreviewTest, PaintingTenThousandPagesDrawsOnlyTheVisibleOnes) {
  auto preview = Show(10000);
  preview->SetZoom(1);
  preview->SetPageNo(5000);
  Pages->Drawn.clear();
  grabViewport(*preview->Workspace());
  // Page 5000 fills the view; the previous page's bottom edge touches its top.
  EXPECT_LE(Pages->Drawn.size(), 3u);
  EXPECT_NE(std::find(Pages->Drawn.begin(), Pages->Drawn.end(), 4999), Pages->Drawn.end());
  for (int page : Pages->Drawn) EXPECT_GE(page, 4998);
}

TEST_F(PreviewTest, SmallZoomsDrawSeveralPagesSideBySide) {
  auto preview = Show(10000);
  preview->SetZoom(0.25L);
  Pages->Drawn.clear();
  grabViewport(*preview->Workspace());
  // 199 pixels a page: four to a row in a workspace about 1000 wide, two rows and more in view.
  EXPECT_GE(Pages->Drawn.size(), 8u);
  EXPECT_LE(Pages->Drawn.size(), 40u);
}

TEST_F(PreviewTest, PagesAreWhiteSheetsOnGreyWithTheCurrentOneFramed) {
  auto preview = Show(3);
  preview->SetZoom(0.5L);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  const QImage image = grabViewport(ws);
  const QRect page = ws.ScreenBounds(0);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(128, 128, 128)) << "background";
  EXPECT_EQ(image.pixelColor(page.left() + 5, page.top() + 5), QColor(Qt::white)) << "sheet";
  EXPECT_EQ(image.pixelColor(page.center()), QColor(Qt::black)) << "the store's drawing";
  EXPECT_EQ(image.pixelColor(page.left(), page.top() + 50), QColor(96, 96, 96)) << "outline";
  EXPECT_EQ(image.pixelColor(page.left() - 1, page.top() + 50), QColor(255, 199, 60)) << "frame";
}

TEST_F(PreviewTest, ALockedWorkspacePaintsOnlyItsBackground) {
  auto preview = Show(3);
  preview->Lock();
  Pages->Drawn.clear();
  const QImage image = grabViewport(*preview->Workspace());
  EXPECT_TRUE(Pages->Drawn.empty());
  EXPECT_EQ(image.pixelColor(image.width() / 2, 100), QColor(128, 128, 128));
  preview->Unlock();
}

TEST_F(PreviewTest, HoveringAboveTheFirstPageAsksTheStoreForNoObject) {
  auto preview = Show(3);
  preview->SetZoom(1);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  ws.SetVertPosition(0);
  QMouseEvent above(QEvent::MouseMove, QPointF(ws.viewport()->width() / 2.0, 3), QPointF(), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(ws.viewport(), &above);
  EXPECT_TRUE(Pages->ObjectOverPages.empty());
  QMouseEvent over(QEvent::MouseMove, QPointF(ws.ScreenBounds(0).center()), QPointF(), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(ws.viewport(), &over);
  EXPECT_EQ(Pages->ObjectOverPages, std::vector<int>{0});
}

TEST_F(PreviewTest, DraggingMovesTheViewLikeAHand) {
  auto preview = Show(20);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  ws.SetVertPosition(500);
  const QPointF from(200, 300);
  QMouseEvent down(QEvent::MouseButtonPress, from, QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ws.viewport(), &down);
  QMouseEvent move(QEvent::MouseMove, from + QPointF(0, -120), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ws.viewport(), &move);
  EXPECT_EQ(ws.VertPosition(), 620);
}

TEST_F(PreviewTest, ScrollingMakesThePageAtTheTopCurrent) {
  auto preview = Show(20);
  preview->SetZoom(1);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  ws.SetVertPosition(ws.PageList().Item(6).OffsetY);
  EXPECT_EQ(preview->PageNo(), 7);
}

TEST_F(PreviewTest, AClickOnAThumbnailMovesTheMainWorkspaceToThatPage) {
  auto preview = Show(20);
  preview->SetThumbnailVisible(true);
  Settle();
  TrpPreviewWorkspace& strip = *preview->Thumbnail();
  const QRect third = strip.ScreenBounds(2);
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(third.center()), QPointF(), Qt::LeftButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(strip.viewport(), &up);
  EXPECT_EQ(preview->PageNo(), 3);
  EXPECT_EQ(preview->Workspace()->VertPosition(), preview->Workspace()->PageList().Item(2).OffsetY - 10);
}
