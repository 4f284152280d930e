// Geometry: positions and sizes in report units, designer restrictions, absolute positions and
// the bounds bracket around printing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "report/objects/report_error.h"
#include "test_classes.h"

namespace {

struct Setter {
  const char* Name;
  TrpRestriction Restriction;
  void (TrpComponent::*Set)(Extended);
  Extended (TrpComponent::*Get)() const;
};

const Setter kSetters[] = {
    {"Left", rfDontMove, &TrpComponent::SetLeft, &TrpComponent::Left},
    {"Top", rfDontMove, &TrpComponent::SetTop, &TrpComponent::Top},
    {"Width", rfDontSize, &TrpComponent::SetWidth, &TrpComponent::Width},
    {"Height", rfDontSize, &TrpComponent::SetHeight, &TrpComponent::Height},
};

class Restrictions : public ::testing::TestWithParam<Setter> {};

// Records the order in which SetBounds reaches the virtual setters.
class SetterLog : public TestMemo {
 public:
  SetterLog() : TestMemo(nullptr) {}
  void SetLeft(Extended v) override { Log += "L"; TestMemo::SetLeft(v); }
  void SetTop(Extended v) override { Log += "T"; TestMemo::SetTop(v); }
  void SetWidth(Extended v) override { Log += "W"; TestMemo::SetWidth(v); }
  void SetHeight(Extended v) override { Log += "H"; TestMemo::SetHeight(v); }
  QString Log;
};

}  // namespace

TEST_P(Restrictions, RestrictedValueChangesAtRunTime) {
  TestMemo memo(nullptr);
  memo.SetRestrictions({GetParam().Restriction});
  (memo.*GetParam().Set)(12.5L);
  EXPECT_EQ((memo.*GetParam().Get)(), 12.5L);
}

TEST_P(Restrictions, RestrictedValueIsIgnoredInADesignerInstance) {
  TestMemo memo(nullptr);
  memo.SetIsDesigning(true);
  (memo.*GetParam().Set)(3);
  memo.SetRestrictions({GetParam().Restriction});
  (memo.*GetParam().Set)(12.5L);
  EXPECT_EQ((memo.*GetParam().Get)(), 3);
}

TEST_P(Restrictions, OtherRestrictionsDoNotStopTheChangeInADesigner) {
  TestMemo memo(nullptr);
  memo.SetIsDesigning(true);
  memo.SetRestrictions({rfDontDelete, rfDontEdit, rfDontModify});
  (memo.*GetParam().Set)(12.5L);
  EXPECT_EQ((memo.*GetParam().Get)(), 12.5L);
}

INSTANTIATE_TEST_SUITE_P(Bounds, Restrictions, ::testing::ValuesIn(kSetters),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Geometry, SetBoundsCallsTheFourSettersInOrder) {
  SetterLog memo;
  memo.SetBounds(1, 2, 3, 4);
  EXPECT_EQ(memo.Log, "LTWH");
  EXPECT_EQ(memo.Left(), 1);
  EXPECT_EQ(memo.Height(), 4);
}

TEST(Geometry, PositionsKeepExtendedPrecision) {
  TestMemo memo(nullptr);
  const Extended width = (210 - 2 * 5.000625L) * rp01cm;
  memo.SetWidth(width);
  EXPECT_EQ(memo.Width(), width);
  EXPECT_NE(static_cast<Extended>(static_cast<double>(width)), width);
}

TEST(Geometry, AbsolutePositionSumsUpTheParentChain) {
  TestReport report;
  auto* page = new TestPage(&report);
  auto* band = new TestBand(page);
  auto* memo = new TestMemo(band);
  band->SetBounds(10, 20, 100, 30);
  memo->SetBounds(5, 7, 1, 1);
  EXPECT_EQ(memo->AbsLeft(), 15);
  EXPECT_EQ(memo->AbsTop(), 27);
  EXPECT_EQ(band->AbsLeft(), 10);
}

TEST(Geometry, ObjectOnADialogPageGivesItsOwnPosition) {
  TestReport report;
  auto* dialog = new TestDialogPage(&report);
  dialog->SetBounds(100, 100, 400, 300);
  auto* memo = new TestMemo(dialog);
  memo->SetBounds(5, 7, 1, 1);
  EXPECT_EQ(memo->AbsLeft(), 5);
  EXPECT_EQ(memo->AbsTop(), 7);
}

TEST(Geometry, RealBoundsAreTheAbsoluteRectangle) {
  TestBand band(nullptr);
  band.SetBounds(10, 20, 100, 30);
  auto* memo = new TestMemo(&band);
  memo->SetBounds(5, 7, 50, 8);
  const TrpRect r = memo->GetRealBounds();
  EXPECT_EQ(r.Left, 15);
  EXPECT_EQ(r.Top, 27);
  EXPECT_EQ(r.Right, 65);
  EXPECT_EQ(r.Bottom, 35);
}

TEST(Geometry, AfterPrintRestoresTheBoundsSavedByBeforePrint) {
  TestMemo memo(nullptr);
  memo.SetBounds(1, 2, 3, 4);
  memo.BeforePrint();
  memo.SetBounds(10, 20, 30, 40);
  memo.AfterPrint();
  EXPECT_EQ(memo.Left(), 1);
  EXPECT_EQ(memo.Top(), 2);
  EXPECT_EQ(memo.Width(), 3);
  EXPECT_EQ(memo.Height(), 4);
}

TEST(Geometry, DrawingAnObjectWithoutDrawingRaisesAbstractError) {
  TestPlain plain(nullptr);
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  try {
    plain.Draw(painter, 1, 1, 0, 0);
    FAIL() << "no error raised";
  } catch (const TrpError& e) {
    EXPECT_EQ(e.Message(), "Abstract Error");
  }
}

TEST(Geometry, PrintingObjectDefaultsAreEmpty) {
  TestPlain plain(nullptr);
  EXPECT_EQ(plain.GetComponentText(), "");
  EXPECT_TRUE(plain.PrintOn().IsEmpty());
  EXPECT_EQ(plain.ShiftAmount(), 0);
  EXPECT_EQ(plain.GetDescription(), "TrpReportComponent");
}
