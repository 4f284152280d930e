// The preview control over a store of many synthetic pages: zoom limits and modes, page numbers,
// keys, wheel, page editing and the commands on the store.
#include <QKeyEvent>
#include <QStyle>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

#include "preview_fixture.h"

namespace {

void press(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

struct ZoomCase {
  long double Set;
  long double Expected;
};

class ZoomIsKeptWithinItsLimits : public PreviewTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(ZoomIsKeptWithinItsLimits, WhenSet) {
  auto preview = Show(3);
  preview->SetZoom(GetParam().Set);
  EXPECT_DOUBLE_EQ(double(preview->Zoom()), double(GetParam().Expected));
  EXPECT_EQ(preview->ZoomMode(), zmDefault);
}

INSTANTIATE_TEST_SUITE_P(Preview, ZoomIsKeptWithinItsLimits,
                         ::testing::Values(ZoomCase{0.1L, 0.25L}, ZoomCase{8.0L, 8.0L}, ZoomCase{-3, 0.25L},
                                           ZoomCase{0, 0.25L}, ZoomCase{1e6L, TrpPreview::kMaxZoom},
                                           ZoomCase{1.5L, 1.5L}));

TEST_F(PreviewTest, AZoomThatIsNoFiniteNumberChangesNothing) {
  auto preview = Show(3);
  preview->SetZoom(2);
  preview->SetZoom(std::numeric_limits<long double>::quiet_NaN());
  preview->SetZoom(std::numeric_limits<long double>::infinity());
  EXPECT_DOUBLE_EQ(double(preview->Zoom()), 2.0);
}

TEST_F(PreviewTest, PageWidthFitsThePageIntoTheWorkspace) {
  auto preview = Show(4);
  preview->SetZoomMode(zmPageWidth);
  const int sb = preview->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const double expected = (preview->Workspace()->width() - sb - 26) / 794.0;
  EXPECT_NEAR(double(preview->Zoom()), expected, 1e-9);
  EXPECT_EQ(preview->Workspace()->PageList().Item(0).Width, std::lround(794 * expected));
}

TEST_F(PreviewTest, WholePageInAShortWideWindowFitsByHeight) {
  auto preview = Show(4, {1200, 400});
  preview->SetZoomMode(zmWholePage);
  EXPECT_NEAR(double(preview->Zoom()), (preview->Workspace()->height() - 26) / 1123.0, 1e-9);
}

TEST_F(PreviewTest, AFittedZoomIsNeverZeroOrNegativeInATinyWorkspace) {
  auto preview = Show(4, {10, 10});
  for (TrpZoomMode mode : {zmPageWidth, zmWholePage}) {
    preview->SetZoomMode(mode);
    EXPECT_GE(double(preview->Zoom()), double(TrpPreview::kMinFitZoom)) << mode;
    EXPECT_GT(preview->Workspace()->PageList().Item(0).Width, 0) << mode;
  }
}

TEST_F(PreviewTest, PageNumbersAreClampedToThePages) {
  auto preview = Show(12);
  const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {15, 12}, {7, 7}};
  for (auto [set, expected] : cases) {
    preview->SetPageNo(set);
    EXPECT_EQ(preview->PageNo(), expected) << set;
  }
}

TEST_F(PreviewTest, WithoutPagesThePageNumberIsZero) {
  auto preview = Show(0);
  preview->SetPageNo(3);
  EXPECT_EQ(preview->PageNo(), 0);
}

TEST_F(PreviewTest, EveryPageChangeIsAnnouncedAlsoWhenTheNumberStays) {
  auto preview = Show(5);
  std::vector<int> seen;
  QObject::connect(preview.get(), &TrpPreview::PageChanged, [&](int page) { seen.push_back(page); });
  preview->SetPageNo(3);
  preview->SetPageNo(3);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen.back(), 3);
}

TEST_F(PreviewTest, ChangingThePageScrollsItToTheTopOfTheView) {
  auto preview = Show(1000);
  preview->SetPageNo(500);
  TrpPreviewWorkspace& ws = *preview->Workspace();
  EXPECT_EQ(ws.VertPosition(), ws.PageList().Item(499).OffsetY - 10);
  EXPECT_EQ(preview->PageNo(), 500);
}

struct KeyCase {
  int Key;
  Qt::KeyboardModifiers Modifiers;
  int PageAfter;       // starting on page 5 of 10000
  int VerticalChange;  // relative to the start, when the page stays
};

class KeysNavigate : public PreviewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeysNavigate, FromTheMiddleOfManyPages) {
  auto preview = Show(10000);
  preview->SetPageNo(5);
  preview->Workspace()->SetVertPosition(preview->Workspace()->VertPosition() + 400);
  const int before = preview->Workspace()->VertPosition();
  press(*preview, GetParam().Key, GetParam().Modifiers);
  EXPECT_EQ(preview->PageNo(), GetParam().PageAfter);
  if (GetParam().PageAfter == 5) {
    EXPECT_EQ(preview->Workspace()->VertPosition() - before, GetParam().VerticalChange);
  }
}

INSTANTIATE_TEST_SUITE_P(Preview, KeysNavigate,
                         ::testing::Values(KeyCase{Qt::Key_Down, Qt::NoModifier, 5, 8},
                                           KeyCase{Qt::Key_Up, Qt::NoModifier, 5, -8},
                                           KeyCase{Qt::Key_PageDown, Qt::NoModifier, 5, 300},
                                           KeyCase{Qt::Key_PageUp, Qt::NoModifier, 5, -300},
                                           KeyCase{Qt::Key_PageDown, Qt::ControlModifier, 6, 0},
                                           KeyCase{Qt::Key_PageUp, Qt::ControlModifier, 4, 0},
                                           KeyCase{Qt::Key_Home, Qt::NoModifier, 1, 0},
                                           KeyCase{Qt::Key_End, Qt::NoModifier, 10000, 0}));

TEST_F(PreviewTest, ArrowsMoveSidewaysByEightPixels) {
  auto preview = Show(3);
  preview->SetZoom(3);
  press(*preview, Qt::Key_Right);
  press(*preview, Qt::Key_Right);
  press(*preview, Qt::Key_Left);
  EXPECT_EQ(preview->Workspace()->HorzPosition(), 8);
}

TEST_F(PreviewTest, CtrlPPrintsOnlyWhenThePrintButtonIsOffered) {
  auto preview = Show(3);
  preview->SetPageNo(2);
  press(*preview, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(Pages->Prints, 1);
  EXPECT_EQ(Pages->PrintedFrom, 2) << "the store is told the current page";
  TrpPreviewButtons buttons = Report.PreviewOptions().Buttons();
  buttons.Exclude(pbPrint);
  Report.PreviewOptions().SetButtons(buttons);
  press(*preview, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(Pages->Prints, 1);
}

TEST_F(PreviewTest, WheelScrollsTwentyPixelsAgainstItsTurn) {
  auto preview = Show(50);
  preview->Workspace()->SetVertPosition(1000);
  preview->MouseWheelScroll(-120, false, false);
  EXPECT_EQ(preview->Workspace()->VertPosition(), 1020);
  preview->MouseWheelScroll(120, false, false);
  preview->MouseWheelScroll(120, false, false);
  EXPECT_EQ(preview->Workspace()->VertPosition(), 980);
  preview->MouseWheelScroll(0, false, false);
  EXPECT_EQ(preview->Workspace()->VertPosition(), 980);
}

TEST_F(PreviewTest, WheelZoomStopsAtThreeTenths) {
  auto preview = Show(3);
  preview->SetZoom(0.35L);
  preview->MouseWheelScroll(-120, false, true);
  EXPECT_NEAR(double(preview->Zoom()), 0.3, 1e-12);
  preview->MouseWheelScroll(120, false, true);
  EXPECT_NEAR(double(preview->Zoom()), 0.4, 1e-12);
}

TEST_F(PreviewTest, DeletingTheLastPageMovesToTheNewLastPage) {
  auto preview = Show(5);
  preview->Last();
  preview->DeletePage();
  EXPECT_EQ(Pages->GetCount(), 4);
  EXPECT_EQ(preview->PageNo(), 4);
}

TEST_F(PreviewTest, DeletingTheFirstOfTwoPagesNeverLeavesPageZero) {
  auto preview = Show(2);
  preview->First();
  preview->DeletePage();
  EXPECT_EQ(Pages->GetCount(), 1);
  EXPECT_EQ(preview->PageNo(), 1);
  EXPECT_EQ(preview->Workspace()->PageList().Count(), 1);
}

TEST_F(PreviewTest, AnAddedPageIsInsertedBeforeTheCurrentOneAndBecomesCurrent) {
  auto preview = Show(3);
  preview->SetPageNo(2);
  preview->AddPage();
  EXPECT_EQ(Pages->GetCount(), 4);
  EXPECT_EQ(preview->PageNo(), 2);
  EXPECT_EQ(preview->Workspace()->PageList().Count(), 4);
}

TEST_F(PreviewTest, ClearEmptiesBothPageListsAndTheScrollRanges) {
  auto preview = Show(30);
  preview->Clear();
  EXPECT_EQ(Pages->GetCount(), 0);
  EXPECT_EQ(preview->Workspace()->PageList().Count(), 0);
  EXPECT_EQ(preview->Thumbnail()->PageList().Count(), 0);
  EXPECT_EQ(preview->Workspace()->VertRange(), 0);
  EXPECT_FALSE(preview->Locked());
}

TEST_F(PreviewTest, SavingAsksForAFileAndGivesItThePreparedReportExtension) {
  auto preview = Show(2);
  QTemporaryDir dir;
  Dialogs.SaveAnswer = dir.filePath(QStringLiteral("sheet.txt"));
  preview->SaveToFile();
  EXPECT_EQ(Dialogs.Filters, QStringList{QStringLiteral("Prepared Report (*.rpp)")});
  EXPECT_EQ(Pages->Saved, dir.filePath(QStringLiteral("sheet.rpp")));
  EXPECT_FALSE(preview->Locked());
}

TEST_F(PreviewTest, AFailedLoadIsShownUnlocksAndReturnsToPageOne) {
  auto preview = Show(8);
  preview->SetPageNo(6);
  Pages->FailLoad = true;
  EXPECT_NO_THROW(preview->LoadFromFile(QStringLiteral("/nowhere/x.rpp")));
  ASSERT_EQ(Dialogs.Messages.size(), 1);
  EXPECT_TRUE(Dialogs.Messages[0].contains(QStringLiteral("cannot read")));
  EXPECT_FALSE(preview->Locked());
  EXPECT_FALSE(preview->Workspace()->Locked());
  EXPECT_EQ(preview->PageNo(), 1);
}

TEST_F(PreviewTest, ThumbnailsAndOutlineAreNeverShownTogether) {
  auto preview = Show(5);
  preview->SetOutlineVisible(true);
  EXPECT_TRUE(preview->OutlineVisible());
  preview->SetThumbnailVisible(true);
  EXPECT_TRUE(preview->ThumbnailVisible());
  EXPECT_FALSE(preview->OutlineVisible());
  preview->SetOutlineVisible(true);
  EXPECT_FALSE(preview->ThumbnailVisible());
}

TEST_F(PreviewTest, ThumbnailsAreLaidOutAtATenth) {
  auto preview = Show(5);
  preview->SetThumbnailVisible(true);
  Settle();
  ASSERT_EQ(preview->Thumbnail()->PageList().Count(), 5);
  EXPECT_EQ(preview->Thumbnail()->PageList().Item(0).Width, 79);
}
