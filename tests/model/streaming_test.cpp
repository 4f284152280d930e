// Loading, saving and full difference records go through the serializer the store installs.
#include <gtest/gtest.h>

#include <QBuffer>

#include "report/objects/object_streamer.h"
#include "report/objects/report_error.h"
#include "test_classes.h"

namespace {

// Records what the object asked for and answers with fixed messages.
class FakeStreamer : public TrpObjectStreamer {
 public:
  void SaveComponent(const TrpComponent& object, QIODevice& stream, bool saveChildren,
                     bool saveDefaultValues, bool streaming) override {
    Saved = &object;
    Flags = {saveChildren, saveDefaultValues, streaming};
    stream.write("<x/>");
  }
  QStringList LoadComponent(TrpComponent& object, QIODevice&) override {
    ChildrenWhenLoading = static_cast<int>(object.Objects().size());
    return Messages;
  }
  QString WriteComponentStr(const TrpComponent& object) override {
    return object.ClassName() + QStringLiteral(" Name=\"") + object.Name() + QStringLiteral("\"/>");
  }

  const TrpComponent* Saved = nullptr;
  std::array<bool, 3> Flags{};
  int ChildrenWhenLoading = -1;
  QStringList Messages;
};

struct Streaming : ::testing::Test {
  FakeStreamer streamer;
  TestReport report;
  TestBand* band = new TestBand(&report);
  QBuffer buffer;

  Streaming() {
    rpSetObjectStreamer(&streamer);
    buffer.open(QIODevice::ReadWrite);
    new TestMemo(band);
  }
  ~Streaming() override { rpSetObjectStreamer(nullptr); }
};

class NullBand : public TrpReportComponent {
 public:
  NullBand() : TrpReportComponent(nullptr) {}
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("TrpNullBand", &BandBaseInfo(), nullptr, {});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace

TEST_F(Streaming, LoadingClearsTheObjectFirst) {
  band->LoadFromStream(buffer);
  EXPECT_EQ(streamer.ChildrenWhenLoading, 0);
}

TEST_F(Streaming, LoadingWithAncestorOnlyStreamKeepsTheChildren) {
  band->SetAncestorOnlyStream(true);
  band->LoadFromStream(buffer);
  EXPECT_EQ(streamer.ChildrenWhenLoading, 1);
}

TEST_F(Streaming, LoadMessagesJoinTheReportsErrorsSortedAndOnce) {
  report.AddError("Cannot find class TrpZ");
  streamer.Messages = {"cannot find class trpz", "Bad value", "Another"};
  band->LoadFromStream(buffer);
  EXPECT_EQ(report.Errors(), (QStringList{"Another", "Bad value", "Cannot find class TrpZ"}));
}

TEST_F(Streaming, SavingHandsOverTheFlags) {
  band->SaveToStream(buffer, false, true, true);
  EXPECT_EQ(streamer.Saved, band);
  EXPECT_EQ(streamer.Flags, (std::array<bool, 3>{false, true, true}));
  band->SaveToStream(buffer);
  EXPECT_EQ(streamer.Flags, (std::array<bool, 3>{true, false, false}));
}

TEST_F(Streaming, AllDiffIsTheAttributeTextFollowedByTheDifference) {
  band->SetName("Band1");
  TestBand other(nullptr);
  band->SetTop(5);
  EXPECT_EQ(band->AllDiff(nullptr), "Name=\"Band1\"");
  EXPECT_EQ(band->AllDiff(&other), "Name=\"Band1\"  t=\"5\"");
}

TEST_F(Streaming, NullBandRecordsItsPositionInItsFullRecord) {
  NullBand null;
  null.SetBounds(3.5L, 7, 10, 10);
  EXPECT_EQ(null.AllDiff(nullptr), "Name=\"\" l=\"3.5\" t=\"7\"");
}

TEST(StreamingWithoutSerializer, RaisesAClearError) {
  TestBand band(nullptr);
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  EXPECT_THROW(band.SaveToStream(buffer), TrpError);
  EXPECT_THROW(band.LoadFromStream(buffer), TrpError);
}

TEST(LoadingState, LoadedClearsBothLoadingMarks) {
  TestBand band(nullptr);
  band.SetIsLoading(true);
  band.SetComponentState(TrpComponentState::Loading, true);
  EXPECT_TRUE(band.IsLoading());
  band.Loaded();
  EXPECT_FALSE(band.IsLoading());
}

TEST(ReportErrors, AreKeptSortedIgnoringCaseWithoutDuplicates) {
  TestReport report;
  report.AddErrors({"b", "A", "a", "C"});
  EXPECT_EQ(report.Errors(), (QStringList{"A", "b", "C"}));
  report.ClearErrors();
  EXPECT_TRUE(report.Errors().isEmpty());
}

TEST(ReportRoot, HandlesNestedPropertiesAndPreviewVisibility) {
  TestReport report;
  EXPECT_EQ(report.rpComponentStyle(),
            (TrpComponentStyle{csPreviewVisible, csHandlesNestedProperties}));
  TestMemo memo(nullptr);
  EXPECT_EQ(memo.rpComponentStyle(), TrpComponentStyle{csPreviewVisible});
  EXPECT_FALSE(memo.AncestorOnlyStream());
}
