// Finding text in the preview over prepared pages: whole words and phrases as a reader sees them
// (across a line break inside one text object, Chinese as well as Latin), never across two text
// objects, case rules, the start page, an empty text, an empty preview, and the user's way through
// the window: Ctrl+F, Enter and F3, with the hit marked on the page and in the thumbnails.
#include <QCheckBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "preview_window_fixture.h"
#include "report/preview/search_dialog.h"
#include "report/preview/text_search_state.h"

namespace {

const std::vector<QStringList> kPages = {
    {QStringLiteral("Tide"), QStringLiteral("table")},
    {QStringLiteral("The lantern lights the quay")},
    {QStringLiteral("Harbour notes")},
    {QStringLiteral("Boats wait for the evening\r\ntide and the wind")},
    {QStringLiteral("Lantern festival")},
    {QStringLiteral("東風夜放花千\r\n樹，星如雨")},
};

struct FindCase {
  const char* Text;
  bool FromTop;
  bool CaseSensitive;
  int StartPage;
  std::vector<int> Steps;  // the page of each step's hit, 0 for "Text not found"
};

QRect scaled(const TrpRect& r, long double zoom, QPoint at) {
  const auto s = [zoom](long double v) { return static_cast<int>(rpRound(v * zoom)); };
  return QRect(QPoint(s(r.Left), s(r.Top)), QPoint(s(r.Right), s(r.Bottom))).translated(at);
}

}  // namespace

class FindText : public PreviewWindowTest {
 protected:
  // The mark on the page in the main workspace, and the pages whose thumbnails are marked.
  struct Look {
    int Page = 0;
    double Marked = 0;    // dark share over the hit
    double Unmarked = 0;  // dark share just below it
    std::vector<int> Thumbnails;
  };

  Look See(TrpPreview& preview) {
    Settle();
    Look look;
    look.Page = preview.PageNo();
    TrpPreviewWorkspace& main = *preview.Workspace();
    const QImage page = main.viewport()->grab().toImage();
    const QRect hit = scaled(rpTextSearch().TextBounds, main.Zoom(), main.ScreenBounds(look.Page - 1).topLeft());
    look.Marked = DarkShare(page, hit);
    look.Unmarked = DarkShare(page, hit.translated(0, hit.height() + 6));
    TrpPreviewWorkspace& strip = *preview.Thumbnail();
    const QImage thumbnails = strip.viewport()->grab().toImage();
    for (int i = 0; i < strip.PageList().Count(); ++i) {
      const QRect mark = scaled(rpTextSearch().TextBounds, strip.Zoom(), strip.ScreenBounds(i).topLeft());
      if (DarkShare(thumbnails, mark) > 0.5) look.Thumbnails.push_back(i + 1);
    }
    return look;
  }
};

TEST_F(FindText, EachStepLandsOnTheNextPageWhereTheTextStands) {
  const FindCase cases[] = {
      {"lantern", true, false, 1, {2, 5, 0}},
      {"lantern", true, true, 1, {2, 0}},
      {"LANTERN", false, false, 3, {5, 0}},
      {"evening tide", true, false, 1, {4, 0}},
      {"花千樹", true, false, 1, {6, 0}},
      {"Tide table", true, false, 1, {0}},
      {"", true, false, 1, {0}},
  };
  Build(kPages);
  QRect oneLine, twoLines;
  InThePreview(6, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    for (const FindCase& c : cases) {
      SCOPED_TRACE(c.Text);
      Dialogs.Messages.clear();
      preview.SetPageNo(c.StartPage);
      std::vector<int> steps{preview.FindText(QString::fromUtf8(c.Text), c.FromTop, c.CaseSensitive) ? preview.PageNo() : 0};
      while (steps.back() != 0 && steps.size() < 5) {
        preview.FindNext();
        steps.push_back(preview.FindTextFound() ? preview.PageNo() : 0);
      }
      EXPECT_EQ(steps, c.Steps);
      EXPECT_EQ(Dialogs.Messages, QStringList{QStringLiteral("Text not found")});
    }
    const auto bounds = [&](const char* text) {
      preview.FindText(QString::fromUtf8(text), true, false);
      const TrpRect& r = rpTextSearch().TextBounds;
      return QRect(QPoint(int(r.Left), int(r.Top)), QPoint(int(r.Right), int(r.Bottom)));
    };
    oneLine = bounds("Harbour");
    twoLines = bounds("evening tide");
    // Clearing forgets the hit; the next step starts again from the first page.
    preview.FindText(QStringLiteral("lantern"), true, false);
    preview.FindTextClear();
    EXPECT_FALSE(preview.FindTextFound());
    preview.SetPageNo(6);
    preview.FindNext();
    EXPECT_EQ(preview.PageNo(), 2);
  });
  // A phrase divided by a line break is marked over both lines.
  EXPECT_GT(twoLines.height(), oneLine.height() * 3 / 2);
}

TEST_F(FindText, CtrlFEnterAndF3LandOnTheWordsPagesWithTheWordMarked) {
  Build(kPages);
  std::vector<Look> looks;
  QString status;
  InThePreview(6, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    preview.SetThumbnailVisible(true);
    AnswerNext<TrpSearchDialog>([](TrpSearchDialog& dialog) {
      QTest::keyClicks(dialog.TextE, QStringLiteral("lantern"));
      QTest::keyClick(dialog.TextE, Qt::Key_Return);
    });
    QTest::keyClick(&preview, Qt::Key_F, Qt::ControlModifier);
    looks.push_back(See(preview));
    status = form.StatusText(0);
    QTest::keyClick(&preview, Qt::Key_F3);
    looks.push_back(See(preview));
    QTest::keyClick(&preview, Qt::Key_F3);
  });
  ASSERT_EQ(looks.size(), 2u);
  EXPECT_EQ(status, QStringLiteral("Page 2 of 6"));
  for (size_t i = 0; i < looks.size(); ++i) {
    SCOPED_TRACE(i);
    const int page = i == 0 ? 2 : 5;
    EXPECT_EQ(looks[i].Page, page);
    EXPECT_GT(looks[i].Marked, 0.5);
    EXPECT_LT(looks[i].Unmarked, 0.1);
    EXPECT_EQ(looks[i].Thumbnails, std::vector<int>{page});
  }
  EXPECT_EQ(Dialogs.Messages, QStringList{QStringLiteral("Text not found")});
  EXPECT_EQ(TrpSearchDialog::LastText(), QStringLiteral("lantern"));
}

TEST_F(PreviewTest, ASearchInAnEmptyPreviewStartsAtTheFirstPageAndFindsNothing) {
  auto preview = Show(0);
  EXPECT_FALSE(preview->FindText(QStringLiteral("x"), false, false));
  EXPECT_EQ(preview->Workspace()->LastFoundPage(), 0);
  EXPECT_EQ(Dialogs.Messages, QStringList{QStringLiteral("Text not found")});
}
