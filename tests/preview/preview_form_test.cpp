// The preview window over a store of many synthetic pages: tool bar, zoom box, page box, status
// bar, keys and closing.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "preview_fixture.h"
#include "report/objects/report_services.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview_form.h"

namespace {

class PreviewFormTest : public PreviewTest {
 protected:
  // A shown window over `count` pages, initialised as the report initialises it.
  std::unique_ptr<TrpPreviewForm> ShowForm(int count) {
    Pages->Sizes().assign(static_cast<size_t>(count), QSizeF(FakePreviewPages::kA4Width, FakePreviewPages::kA4Height));
    auto form = std::make_unique<TrpPreviewForm>();
    form->PreviewControl()->Init(&Report, Pages);
    form->Init();
    form->show();
    Settle();
    return form;
  }

  static QStringList VisibleHints(const TrpPreviewForm& form) {
    QStringList hints;
    for (QAction* action : form.ToolBar->actions())
      if (action->isVisible() && !action->isSeparator() && form.ToolBar->widgetForAction(action) &&
          qobject_cast<QToolButton*>(form.ToolBar->widgetForAction(action)) && !action->toolTip().isEmpty() &&
          action != form.CancelAction)
        hints << action->toolTip();
    return hints;
  }

  static void TypeZoom(TrpPreviewForm& form, const QString& text) {
    form.ZoomCB->setEditText(text);
    QTest::keyClick(form.ZoomCB->lineEdit(), Qt::Key_Return);
    Settle();
  }
};

}  // namespace

TEST_F(PreviewFormTest, TheToolBarOffersTheStandardButtonsWithTheirHintsInOrder) {
  auto form = ShowForm(3);
  EXPECT_EQ(VisibleHints(*form),
            (QStringList{"Print", "Open", "Save", "Find", "Zoom In", "Zoom Out", "Full Screen", "Report outline",
                         "Thumbnails", "Page Settings", "Edit Page", "First Page", "Prior Page", "Next Page",
                         "Last Page"}));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Preview"));
  EXPECT_EQ(form->CancelB->text(), QStringLiteral("Close"));
}

TEST_F(PreviewFormTest, TheZoomBoxOffersItsItemsInOrder) {
  auto form = ShowForm(1);
  QStringList items;
  for (int i = 0; i < form->ZoomCB->count(); ++i) items << form->ZoomCB->itemText(i);
  EXPECT_EQ(items, (QStringList{"25%", "50%", "75%", "100%", "150%", "200%", "Page width", "Whole page"}));
}

TEST_F(PreviewFormTest, WithoutZoomButtonsNeitherBoxNorFullScreenNorTheirSeparatorShow) {
  TrpPreviewButtons buttons = rpDefaultPreviewButtons;
  buttons.Exclude(pbZoom);
  Report.PreviewOptions().SetButtons(buttons);
  auto form = ShowForm(2);
  for (QAction* a : {form->ZoomPlusB, form->ZoomMinusB, form->Sep3, form->FullScreenBtn, form->Sep1})
    EXPECT_FALSE(a->isVisible()) << a->toolTip().toStdString();
}

TEST_F(PreviewFormTest, WithoutPageSetupAndEditTheirSeparatorIsHidden) {
  TrpPreviewButtons buttons = rpDefaultPreviewButtons;
  buttons.Exclude(pbPageSetup);
  buttons.Exclude(pbEdit);
  Report.PreviewOptions().SetButtons(buttons);
  auto form = ShowForm(2);
  EXPECT_FALSE(form->Sep2->isVisible());
}

TEST_F(PreviewFormTest, TheRightMenuRepeatsTheButtonsUpToTheSecondSeparator) {
  auto form = ShowForm(2);
  QStringList items;
  for (QAction* a : form->RightMenu->actions()) {
    if (a == form->CollapseMI || a == form->ExpandMI || a == form->N1) continue;
    items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  }
  EXPECT_EQ(items, (QStringList{"Print", "Open", "Save", "Find", "-", "Zoom In", "Zoom Out", "Full Screen"}));
}

TEST_F(PreviewFormTest, TheStatusBarAndPageBoxFollowThePage) {
  auto form = ShowForm(12);
  form->PreviewControl()->SetPageNo(3);
  EXPECT_EQ(form->StatusText(0), QStringLiteral("Page 3 of 12"));
  EXPECT_EQ(form->OfNL->text(), QStringLiteral("of 12"));
  EXPECT_EQ(form->PageE->text(), QStringLiteral("3"));
}

TEST_F(PreviewFormTest, ThePageBoxJumpsToTheTypedPageClamped) {
  auto form = ShowForm(12);
  form->PageE->setText(QStringLiteral("40"));
  form->PageEEnter();
  EXPECT_EQ(form->PreviewControl()->PageNo(), 12);
  form->PageE->setText(QString());
  form->PageEEnter();
  EXPECT_EQ(form->PreviewControl()->PageNo(), 12);
  EXPECT_EQ(Dialogs.Messages.size(), 1);
}

TEST_F(PreviewFormTest, ATypedZoomWithAPercentSignAndSpacesIsApplied) {
  auto form = ShowForm(5);
  TypeZoom(*form, QStringLiteral("150 %"));
  EXPECT_DOUBLE_EQ(double(form->PreviewControl()->Zoom()), 1.5);
  EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("150%"));
  TypeZoom(*form, QStringLiteral("62,5"));
  EXPECT_DOUBLE_EQ(double(form->PreviewControl()->Zoom()), 0.625);
}

class ZoomTextsThatAreRefused : public PreviewFormTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ZoomTextsThatAreRefused, WithAMessageAndNoStaleSavedPage) {
  auto form = ShowForm(50);
  form->PreviewControl()->SetZoom(1);
  form->PreviewControl()->SetPageNo(20);
  TypeZoom(*form, QString::fromLatin1(GetParam()));
  EXPECT_DOUBLE_EQ(double(form->PreviewControl()->Zoom()), 1.0);
  EXPECT_EQ(Dialogs.Messages.size(), 1);
  EXPECT_EQ(form->PreviewControl()->SavedPageNo(), -1);
  // Later scrolling chooses its page freely again.
  TrpPreviewWorkspace& ws = *form->PreviewControl()->Workspace();
  ws.SetVertPosition(ws.PageList().Item(40).OffsetY);
  EXPECT_EQ(form->PreviewControl()->PageNo(), 41);
}

INSTANTIATE_TEST_SUITE_P(PreviewForm, ZoomTextsThatAreRefused, ::testing::Values("abc", "inf", "nan", "1e999", "-inf%"));

TEST_F(PreviewFormTest, AHugeTypedZoomIsCapped) {
  auto form = ShowForm(5);
  TypeZoom(*form, QStringLiteral("1000000%"));
  EXPECT_DOUBLE_EQ(double(form->PreviewControl()->Zoom()), double(TrpPreview::kMaxZoom));
}

TEST_F(PreviewFormTest, ZoomingOutFromFourTenthsStopsAtAQuarter) {
  auto form = ShowForm(5);
  form->PreviewControl()->SetZoom(0.4L);
  form->ZoomMinusB->trigger();
  Settle();
  EXPECT_DOUBLE_EQ(double(form->PreviewControl()->Zoom()), 0.25);
  EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("25%"));
}

TEST_F(PreviewFormTest, ZoomingKeepsTheCurrentPage) {
  auto form = ShowForm(100);
  form->PreviewControl()->SetZoom(1);
  form->PreviewControl()->SetPageNo(37);
  form->ZoomPlusB->trigger();
  Settle();
  EXPECT_EQ(form->PreviewControl()->PageNo(), 37);
  form->ZoomCB->setCurrentIndex(TrpPreviewForm::kPageWidthItem);
  form->ZoomCBClick(TrpPreviewForm::kPageWidthItem);
  Settle();
  EXPECT_EQ(form->PreviewControl()->ZoomMode(), zmPageWidth);
  EXPECT_EQ(form->PreviewControl()->PageNo(), 37);
}

TEST_F(PreviewFormTest, EscapeClosesTheWindowWhenIdle) {
  auto form = ShowForm(2);
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(PreviewFormTest, F11TogglesFullScreen) {
  auto form = ShowForm(2);
  QTest::keyClick(form.get(), Qt::Key_F11);
  EXPECT_TRUE(form->FullScreen());
  EXPECT_FALSE(form->ToolBar->isVisible());
  QTest::keyClick(form.get(), Qt::Key_F11);
  EXPECT_FALSE(form->FullScreen());
  EXPECT_TRUE(form->ToolBar->isVisible());
}

TEST_F(PreviewFormTest, CommandsThatNeedPagesAreDisabledWithoutThem) {
  auto form = ShowForm(0);
  EXPECT_FALSE(form->PrintB->isEnabled());
  EXPECT_FALSE(form->SaveB->isEnabled());
  EXPECT_TRUE(form->OpenB->isEnabled());
}

TEST_F(PreviewFormTest, ShowingAPreparedReportOpensTheWindowMaximisedAndModal) {
  rpInstallPreview();
  Pages->Sizes().assign(4, QSizeF(FakePreviewPages::kA4Width, FakePreviewPages::kA4Height));
  Report.PreviewOptions().SetZoomMode(zmPageWidth);
  // The pages are already prepared: the window shows them at once.
  bool sawWindow = false;
  QString caption;
  QString status;
  bool maximised = false;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TrpPreviewForm*>(QApplication::activeModalWidget());
    if (!form) return;
    sawWindow = true;
    caption = form->windowTitle();
    status = form->StatusText(0);
    maximised = form->windowState() & Qt::WindowMaximized;
    form->close();
  });
  Report.ShowPreparedReport();
  rpReportServices().CreatePreviewForm = nullptr;
  rpReportServices().CreateProgress = nullptr;
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(caption, QStringLiteral("Preview"));
  EXPECT_EQ(status, QStringLiteral("Page 1 of 4"));
  EXPECT_TRUE(maximised);
  EXPECT_EQ(Report.Preview(), nullptr);
}

namespace {

// The columns of `image` that hold dark (text) pixels.
QList<int> InkColumns(const QImage& image) {
  QList<int> columns;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 128) {
        columns << x;
        break;
      }
  return columns;
}

}  // namespace

TEST_F(PreviewFormTest, TheZoomBoxShowsEveryZoomWhole) {
  auto form = ShowForm(3);
  QLineEdit* box = form->ZoomCB->lineEdit();
  // The same text in a line edit wide enough for anything: what the zoom box must show.
  QLineEdit wide;
  wide.setFrame(false);
  wide.setFont(box->font());
  wide.resize(400, box->height());
  for (const QString zoom : {"25%", "150%", "1000%"}) {
    TypeZoom(*form, zoom);
    ASSERT_EQ(box->text(), zoom);
    wide.setText(zoom);
    wide.end(false);
    Settle();
    const QImage shown = box->grab().toImage();
    const QList<int> expected = InkColumns(wide.grab().toImage().copy(0, 0, shown.width(), shown.height()));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(InkColumns(shown), expected) << qPrintable(zoom);
  }
}
