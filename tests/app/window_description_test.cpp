// The stored window: places, sizes, captions, fonts and colours of its components.
#include <QFontInfo>

#include "app/colors.h"
#include "app/picture_box.h"
#include "app/text_font.h"
#include "window_fixture.h"

namespace {

QWidget* Child(QWidget& window, const char* name) {
  return window.findChild<QWidget*>(QString::fromUtf8(name));
}

TEST_F(WindowTest, WindowHasItsCaptionAndFixedClientArea) {
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Orlavo\u3000Quilltrace"));
  EXPECT_EQ(Window().size(), QSize(1109, 762));
  EXPECT_EQ(Window().minimumSize(), QSize(1109, 762));
  EXPECT_EQ(Window().maximumSize(), QSize(1109, 762));
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

struct Placement {
  const char* name;
  const char* parent;
  QRect geometry;
};

TEST_F(WindowTest, ControlsLieAtTheirStoredPlacesAndSizes) {
  const Placement placements[] = {
      {"Panel1", nullptr, {0, 0, 1109, 84}},
      {"Cfont", "Panel1", {550, 2, 80, 80}},
      {"Button1", "Panel1", {642, 6, 80, 64}},
      {"btnPrint", "Panel1", {728, 6, 80, 64}},
      {"paneTEXT", nullptr, {0, 84, 1109, 81}},
      {"paneWorksheet", nullptr, {0, 165, 1109, 599}},
      {"Image1", "paneWorksheet", {1049, 496, 58, 129}},
  };
  for (const Placement& p : placements) {
    QWidget* control = Child(Window(), p.name);
    ASSERT_NE(control, nullptr) << p.name;
    EXPECT_EQ(control->geometry(), p.geometry) << p.name;
    QWidget* parent = p.parent ? Child(Window(), p.parent) : &Window();
    EXPECT_EQ(control->parentWidget(), parent) << p.name;
  }
}

struct Caption {
  const char* name;
  const char* parent;
  QPoint position;
  const char* text;
  const char* family;
  int pixels;
};

// Labels size themselves to their text, so only their places are fixed.
TEST_F(WindowTest, LabelsShowTheirCaptionsInTheirFonts) {
  const Caption captions[] = {
      {"Label1", "Panel1", {3, 10}, "學校名稱  /  工作紙標題", "新細明體", 16},
      {"Label5", "Panel1", {3, 47}, "字詞內容", "新細明體", 16},
      {"txtSchTitle", "paneWorksheet", {16, 10}, "Orlavo　Quilltrace", "細明體", 24},
      {"Label2", "paneWorksheet", {16, 56}, "班別：", "細明體", 24},
      {"Label3", "paneWorksheet", {152, 56}, "姓名：", "細明體", 24},
      {"Label4", "paneWorksheet", {728, 56}, "日期：", "細明體", 24},
  };
  for (const Caption& c : captions) {
    auto* label = qobject_cast<stroval::Label*>(Child(Window(), c.name));
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->parentWidget(), Child(Window(), c.parent)) << c.name;
    EXPECT_EQ(label->pos(), c.position) << c.name;
    EXPECT_EQ(label->Caption(), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(label->font().family(), QString::fromUtf8(c.family)) << c.name;
    EXPECT_EQ(label->font().pixelSize(), c.pixels) << c.name;
    EXPECT_EQ(stroval::FontOf(label).color, stroval::ColorFromBgr(stroval::clWindowText));
    EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
  }
}

// The substitute faces are wider than the stored places: no caption may reach into the control
// beside it. The edit boxes keep their stored right edges and rows, and start after their
// captions; the font caption ends before the sample box.
TEST_F(WindowTest, NoCaptionReachesIntoTheControlBesideIt) {
  struct Neighbours {
    const char* caption;
    const char* control;
    QRect stored;  // the control's stored place
  };
  const Neighbours pairs[] = {
      {"Label1", "SchTitle", {173, 10, 353, 29}},
      {"Label5", "edtInput", {73, 47, 216, 29}},
  };
  for (const Neighbours& n : pairs) {
    QWidget* caption = Child(Window(), n.caption);
    QWidget* control = Child(Window(), n.control);
    EXPECT_LT(caption->geometry().right(), control->x()) << n.caption;
    EXPECT_GE(control->x(), n.stored.x()) << n.control;
    EXPECT_EQ(control->geometry().right(), n.stored.right()) << n.control;
    EXPECT_EQ(control->y(), n.stored.y()) << n.control;
    EXPECT_EQ(control->height(), n.stored.height()) << n.control;
  }
  auto* fontCaption = qobject_cast<stroval::Label*>(Child(Window(), "Label6"));
  EXPECT_EQ(fontCaption->Caption(), QStringLiteral("選擇字型 -->"));
  EXPECT_LT(fontCaption->geometry().right(), Child(Window(), "Cfont")->x());
  EXPECT_LE(fontCaption->x(), 458);
  EXPECT_EQ(fontCaption->y(), 62);
}

TEST_F(WindowTest, EditBoxesStartWithTheirTextsInBlue) {
  EXPECT_EQ(Window().SchTitle->text(), QStringLiteral("Orlavo\u3000Quilltrace"));
  EXPECT_EQ(Window().edtInput->text(), QStringLiteral("不可多於八個字詞"));
  for (QLineEdit* box : {Window().SchTitle, Window().edtInput}) {
    EXPECT_EQ(box->font().family(), QStringLiteral("新細明體"));
    EXPECT_EQ(box->font().pixelSize(), 21);
    EXPECT_EQ(box->palette().color(QPalette::Text), stroval::ColorFromBgr(stroval::clBlue));
  }
}

TEST_F(WindowTest, ButtonsCarryTheirCaptions) {
  EXPECT_EQ(Window().Button1->text(), QStringLiteral("造字"));
  EXPECT_EQ(Window().btnPrint->text(), QStringLiteral("列印"));
  EXPECT_EQ(Window().Button1->font().pixelSize(), 15);
  EXPECT_EQ(Window().btnPrint->font().family(), QStringLiteral("Tahoma"));
}

TEST_F(WindowTest, SampleFontBoxStartsAsStored) {
  stroval::Label* box = Window().Cfont;
  EXPECT_EQ(box->Caption(), QStringLiteral("字"));
  EXPECT_FALSE(box->AutoSize());
  EXPECT_FALSE(box->Transparent());
  EXPECT_EQ(box->Color(), stroval::ColorFromBgr(stroval::clWhite));
  EXPECT_EQ(box->font().family(), QStringLiteral("標楷體"));
  EXPECT_EQ(box->font().pixelSize(), 80);
  EXPECT_EQ(stroval::FontOf(box).color, stroval::ColorFromBgr(stroval::clGray));
}

TEST_F(WindowTest, PanelsHaveTheirColours) {
  EXPECT_EQ(Window().Panel1->Color(), QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(Window().paneTEXT->Color(), QColor(0x00, 0xFF, 0xFF));
  EXPECT_EQ(Window().paneWorksheet->Color(), QColor(Qt::white));
  EXPECT_TRUE(Window().paneTEXT->children().isEmpty());
}

TEST_F(WindowTest, TabOrderRunsFromWordToTitle) {
  const QList<QWidget*> tabStops = {Window().edtInput, Window().Button1, Window().btnPrint,
                                     Window().SchTitle};
  QList<QWidget*> order;
  QWidget* w = Window().edtInput;
  do {
    if (tabStops.contains(w)) order << w;
    w = w->nextInFocusChain();
  } while (w != Window().edtInput);
  EXPECT_EQ(order, tabStops);
}

TEST_F(WindowTest, WindowOwnsItsStoredComponentsInDeclarationOrder) {
  const char* names[] = {"Panel1", "Label1", "SchTitle", "Label5", "edtInput", "Label6",
                         "Cfont", "Button1", "btnPrint", "paneTEXT", "paneWorksheet",
                         "txtSchTitle", "Label2", "Label3", "Label4", "Image1"};
  ASSERT_EQ(Window().ComponentCount(), int(std::size(names)));
  for (int i = 0; i < Window().ComponentCount(); ++i)
    EXPECT_EQ(Window().Components(i)->objectName(), QString::fromUtf8(names[i]));
}

TEST_F(WindowTest, DecorationIsShownWholeAndCentred) {
  auto* image = qobject_cast<stroval::PictureBox*>(Child(Window(), "Image1"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Picture().size(), QSize(580, 689));
  EXPECT_EQ(image->PictureRect(), QRect(0, 30, 58, 69));  // 580 x 689 at a tenth, centred
}

}  // namespace
