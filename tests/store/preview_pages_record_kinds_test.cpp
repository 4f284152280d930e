// The record each kind of placed object leaves on a prepared page, byte for byte: text objects
// with changed sub-objects (font, frame lines, fill, hyperlink) and display formats, objects of
// derived classes, pictures, objects recorded in full (csDefaultDiff, or without a source), and
// the records of the first pass of two.
#include "preview_pages_fixture.h"

#include <QImage>

#include <functional>

#include "idle_engine.h"
#include "report/memo/memo_format.h"
#include "report/pages/group_header.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"
#include "report/views/gradient_fill.h"
#include "report/views/hyperlink.h"
#include "report/views/line_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"

namespace {

class PassEngine : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  using TrpCustomEngine::SetFinalPass;
  bool Run(bool, bool, TrpPage*) override { return false; }
};

}  // namespace

class RecordKindsTest : public PreviewPagesTest {
 protected:
  struct Case {
    const char* Name;
    // Adds objects to the band before the page becomes a source page.
    std::function<void(TrpBand& band)> Build;
    // Changes the band's objects before the band is recorded.
    std::function<void(TrpBand& band)> Change;
    bool FirstPassOfTwo;
    const char* Records;  // PageText(0)
  };

  // The records of page 0 after the case ran on a fresh store.
  QString Run(const Case& c) {
    TearDown();
    SetUp();
    TrpReportPage* page = BuildSimple();
    auto* band = dynamic_cast<TrpBand*>(page->FindObject(QStringLiteral("Band1")));
    if (c.Build) c.Build(*band);
    PassEngine engine(*Report);
    if (c.FirstPassOfTwo) {
      Pages->SetEngine(&engine);
      Report->EngineOptions().SetDoublePass(true);
      engine.SetFinalPass(false);
    }
    StartSimple(*page);
    Pages->AddPage(*page);
    if (c.Change) c.Change(*band);
    Pages->AddObject(*band);
    const QString text = PageText(0);
    Pages->SetEngine(nullptr);
    return text;
  }

  template <class T>
  static T* child(TrpBand& band, const char* name) {
    return dynamic_cast<T*>(band.FindObject(QLatin1String(name)));
  }
};

TEST_F(RecordKindsTest, EachKindOfObjectLeavesItsRecord) {
  const auto styledMemo = [](TrpBand& band) {
    auto* memo = NewMemo(&band, QStringLiteral("Memo2"), 5, 40, 100, 20, QStringLiteral("styled"));
    memo->SetParentFont(false);
    memo->Font()->SetSize(14);
    memo->Frame()->SetTyp({ftLeft, ftTop});
    memo->Frame()->LeftLine()->SetColor(0x0000FF);
    dynamic_cast<TrpBrushFill*>(memo->Fill())->SetBackColor(0x00FF00);
    memo->Hyperlink()->SetKind(hkAnchor);
  };
  const Case cases[] = {
      {"text changed and moved", nullptr,
       [](TrpBand& band) {
         auto* memo = child<TrpMemoView>(band, "Memo1");
         memo->SetText(QStringLiteral("changed <&>"));
         memo->SetBounds(20, 15, 210.5L, 30.00001L);
       },
       false,
       "page0|<b1 t=\"0\"<m1 l=\"20\" t=\"15\" w=\"210.5\" u=\"changed &#60;&#38;&#62;\">>"},
      {"unchanged sub-objects", styledMemo, nullptr, false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><m2 u=\"styled\">>"},
      {"changed sub-objects", styledMemo,
       [](TrpBand& band) {
         auto* memo = child<TrpMemoView>(band, "Memo2");
         memo->Font()->SetSize(9);
         memo->Font()->SetStyle({fsBold});
         memo->Frame()->SetWidth(2);
         memo->Frame()->TopLine()->SetColor(0x00FF00);
         memo->Frame()->LeftLine()->SetWidth(3);
         dynamic_cast<TrpBrushFill*>(memo->Fill())->SetBackColor(0x123456);
         memo->Hyperlink()->SetValue(QStringLiteral("https://example.org/?a=1&b=\"2\""));
         memo->SetHAlign(haCenter);
         memo->SetTagStr(QStringLiteral("tag"));
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><m2 Font.Size=\"9\" Font.Style=\"1\" Frame.Width=\"2\" Frame.LeftLine.Width=\"3\" Frame.TopLine.Color=\"65280\" Frame.TopLine.Width=\"2\" Frame.RightLine.Width=\"2\" Frame.BottomLine.Width=\"2\" TagStr=\"tag\" Fill.BackColor=\"1193046\" Hyperlink.Value=\"https://example.org/?a=1&#38;b=&#34;2&#34;\" HAlign=\"2\" u=\"styled\">>"},
      {"another fill kind at run time", styledMemo,
       [](TrpBand& band) {
         auto* memo = child<TrpMemoView>(band, "Memo2");
         memo->SetFillType(ftGradient);
         dynamic_cast<TrpGradientFill*>(memo->Fill())->SetStartColor(0x445566);
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><m2 FillType=\"1\" Fill.StartColor=\"4478310\" Fill.EndColor=\"0\" Fill.GradientStyle=\"0\" u=\"styled\">>"},
      {"parent font followed", nullptr,
       [](TrpBand& band) {
         band.Font()->SetSize(20);
         child<TrpMemoView>(band, "Memo1")->SetParentFont(true);
       },
       false,
       "page0|<b1 t=\"0\" Font.Size=\"20\" ParentFont=\"0\"<m1 u=\"text\">>"},
      {"display format and paragraph breaks",
       [](TrpBand& band) {
         NewMemo(&band, QStringLiteral("Memo2"), 5, 40, 100, 20, QStringLiteral("[1]"));
       },
       [](TrpBand& band) {
         auto* memo = child<TrpMemoView>(band, "Memo2");
         memo->DisplayFormat()->SetKind(fkNumeric);
         memo->DisplayFormat()->SetFormatStr(QStringLiteral("%2.2f"));
         memo->DisplayFormat()->SetDecimalSeparator(QStringLiteral(","));
         memo->SetFirstParaBreak(true);
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><m2 u=\"[1]\" DisplayFormat.Kind=\"1\" DisplayFormat.DecimalSeparator=\",\" DisplayFormat.FormatStr=\"%2.2f\" FirstParaBreak=\"1\">>"},
      {"objects of derived classes",
       [](TrpBand& band) {
         auto* sys = new TrpSysMemoView(&band);
         sys->SetName(QStringLiteral("SysMemo1"));
         sys->SetBounds(0, 50, 80, 20);
         auto* shape = new TrpShapeView(&band);
         shape->SetName(QStringLiteral("Shape1"));
         shape->SetBounds(100, 50, 40, 40);
         auto* line = new TrpLineView(&band);
         line->SetName(QStringLiteral("Line1"));
         line->SetBounds(150, 50, 100, 0);
       },
       [](TrpBand& band) {
         child<TrpSysMemoView>(band, "SysMemo1")->SetText(QStringLiteral("Page 3"));
         child<TrpShapeView>(band, "Shape1")->SetShape(skRoundRectangle);
         child<TrpShapeView>(band, "Shape1")->SetTop(55);
         child<TrpLineView>(band, "Line1")->Frame()->SetWidth(4);
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><s1 u=\"Page 3\"><s2 t=\"55\" Shape=\"1\"><l1 Frame.Width=\"4\" Frame.LeftLine.Width=\"4\" Frame.TopLine.Width=\"4\" Frame.RightLine.Width=\"4\" Frame.BottomLine.Width=\"4\">>"},
      {"band of a kind with its own attributes", nullptr,
       [](TrpBand& band) { band.SetHeight(120); }, false,
       "page0|<b1 t=\"0\" h=\"120\"<m1 u=\"text\">>"},
      {"picture",
       [](TrpBand& band) {
         auto* picture = new TrpPictureView(&band);
         picture->SetName(QStringLiteral("Picture1"));
         picture->SetBounds(300, 10, 40, 40);
       },
       [](TrpBand& band) {
         QImage image(4, 4, QImage::Format_RGB32);
         image.fill(Qt::red);
         child<TrpPictureView>(band, "Picture1")->SetPictureImage(image);
         child<TrpPictureView>(band, "Picture1")->SetTransparent(true);
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><p1 ImageIndex=\"1\" Transparent=\"1\">>"},
      {"recorded in full (csDefaultDiff)",
       [](TrpBand& band) {
         auto* shape = new TrpShapeView(&band);
         shape->SetName(QStringLiteral("Shape1"));
         shape->SetBounds(300, 10, 40, 40);
         shape->SetrpComponentStyle(shape->rpComponentStyle() + TrpComponentStyle{csDefaultDiff});
       },
       [](TrpBand& band) { child<TrpShapeView>(band, "Shape1")->SetTop(20); }, false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><s1 Left=\"300\" Top=\"20\" Width=\"40\" Height=\"40\" t=\"20\">>"},
      {"without a source object", nullptr,
       [](TrpBand& band) {
         NewMemo(&band, QStringLiteral("Late"), 1, 2, 3, 4, QStringLiteral("late"));
       },
       false,
       "page0|<b1 t=\"0\"<m1 u=\"text\"><TrpMemoView Left=\"1\" Top=\"2\" Width=\"3\" Height=\"4\" Text=\"late\">>"},
      {"first pass of two", styledMemo,
       [](TrpBand& band) {
         auto* memo = child<TrpMemoView>(band, "Memo2");
         memo->SetText(QStringLiteral("changed"));
         memo->SetTop(45);
         memo->Font()->SetSize(9);
         memo->SetHAlign(haCenter);
       },
       true,
       "page0|<b1 t=\"0\"<m1 ><m2 t=\"45\" Font.Size=\"9\">>"},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c).toStdString(), c.Records) << c.Name;
}
