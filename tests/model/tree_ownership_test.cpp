// The object tree (Parent, Objects) and ownership by the report, which are separate.
#include <gtest/gtest.h>

#include <memory>

#include "report/objects/report_error.h"
#include "test_classes.h"

namespace {

// A text object that counts its destructions.
class CountedMemo : public TestMemo {
 public:
  explicit CountedMemo(TrpComponent* owner, int* destroyed) : TestMemo(owner), FDestroyed(destroyed) {}
  ~CountedMemo() override { ++*FDestroyed; }

 private:
  int* FDestroyed;
};

struct ReportTree : ::testing::Test {
  TestReport report;
  TestPage* page = new TestPage(&report);
  TestBand* band = new TestBand(page);
};

}  // namespace

TEST_F(ReportTree, ObjectsAtAnyDepthAreOwnedByTheReportInCreationOrder) {
  auto* memo = new TestMemo(band);
  EXPECT_EQ(memo->Owner(), &report);
  EXPECT_EQ(band->Owner(), &report);
  EXPECT_EQ(report.Components(), (QList<TrpComponent*>{page, band, memo}));
}

TEST_F(ReportTree, NewObjectBecomesLastChildOfItsOwner) {
  auto* first = new TestMemo(band);
  auto* second = new TestMemo(band);
  EXPECT_EQ(second->Parent(), band);
  EXPECT_EQ(band->Objects(), (QList<TrpComponent*>{first, second}));
}

TEST(ObjectOwnership, ObjectWithoutOwnerHasNeitherOwnerNorParent) {
  std::unique_ptr<TestMemo> memo = std::make_unique<TestMemo>(nullptr);
  EXPECT_EQ(memo->Owner(), nullptr);
  EXPECT_EQ(memo->Parent(), nullptr);
}

TEST(ObjectOwnership, OwnerOutsideAnyReportGivesParentButNoOwner) {
  int destroyed = 0;
  auto band = std::make_unique<TestBand>(nullptr);
  auto* memo = new CountedMemo(band.get(), &destroyed);
  EXPECT_EQ(memo->Owner(), nullptr);
  EXPECT_EQ(memo->Parent(), band.get());
  band.reset();
  EXPECT_EQ(destroyed, 1);
}

TEST_F(ReportTree, SetParentToCurrentParentKeepsTheOrder) {
  auto* a = new TestMemo(band);
  auto* b = new TestMemo(band);
  a->SetParent(band);
  EXPECT_EQ(band->Objects(), (QList<TrpComponent*>{a, b}));
}

TEST_F(ReportTree, MovingToAnotherParentAppendsAtTheEnd) {
  auto* other = new TestBand(page);
  auto* resident = new TestMemo(other);
  auto* moved = new TestMemo(band);
  moved->SetParent(other);
  EXPECT_TRUE(band->Objects().isEmpty());
  EXPECT_EQ(other->Objects(), (QList<TrpComponent*>{resident, moved}));
  EXPECT_EQ(moved->Owner(), &report);
}

TEST_F(ReportTree, SetParentNoneTakesTheObjectOutOfTheTreeButNotOutOfTheReport) {
  auto* memo = new TestMemo(band);
  memo->SetParent(nullptr);
  EXPECT_TRUE(band->Objects().isEmpty());
  EXPECT_TRUE(report.Components().contains(memo));
}

TEST_F(ReportTree, ObjectCannotBePlacedInsideItselfOrItsDescendants) {
  auto* memo = new TestMemo(band);
  EXPECT_THROW(band->SetParent(band), TrpError);
  EXPECT_THROW(page->SetParent(memo), TrpError);
  EXPECT_EQ(page->Parent(), &report);
  EXPECT_EQ(memo->Parent(), band);
}

TEST_F(ReportTree, FreeingAnObjectRemovesItFromParentAndReport) {
  auto* memo = new TestMemo(band);
  delete memo;
  EXPECT_TRUE(band->Objects().isEmpty());
  EXPECT_FALSE(report.Components().contains(memo));
}

TEST_F(ReportTree, FreeingAParentFreesItsChildren) {
  int destroyed = 0;
  new CountedMemo(band, &destroyed);
  new CountedMemo(band, &destroyed);
  delete band;
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(report.Components(), QList<TrpComponent*>{page});
}

TEST(ObjectOwnership, FreeingTheReportFreesObjectsOutsideTheTreeToo) {
  int destroyed = 0;
  auto report = std::make_unique<TestReport>();
  auto* page = new TestPage(report.get());
  new CountedMemo(page, &destroyed);
  auto* loose = new CountedMemo(page, &destroyed);
  loose->SetParent(nullptr);
  report.reset();
  EXPECT_EQ(destroyed, 2);
}

TEST_F(ReportTree, ClearKeepsInheritedChildrenAndClearsThem) {
  auto* inherited = new TestBand(page);
  inherited->SetComponentState(TrpComponentState::Ancestor, true);
  new TestMemo(inherited);
  auto* own = new TestBand(page);
  page->Clear();
  EXPECT_EQ(page->Objects(), QList<TrpComponent*>{inherited});
  EXPECT_TRUE(inherited->Objects().isEmpty());
  EXPECT_FALSE(report.Components().contains(own));
  EXPECT_FALSE(report.Components().contains(band));
}

TEST_F(ReportTree, FreeingAParentFreesInheritedChildrenAsWell) {
  int destroyed = 0;
  auto* inherited = new CountedMemo(band, &destroyed);
  inherited->SetComponentState(TrpComponentState::Ancestor, true);
  delete band;
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(report.Components(), QList<TrpComponent*>{page});
}

TEST_F(ReportTree, AllObjectsListsDescendantsDepthFirstWithoutTheObjectItself) {
  auto* m1 = new TestMemo(band);
  auto* band2 = new TestBand(page);
  auto* m2 = new TestMemo(band2);
  auto* m3 = new TestMemo(band);
  m3->SetParent(band);
  EXPECT_EQ(report.AllObjects(), (QList<TrpComponent*>{page, band, m1, m3, band2, m2}));
  EXPECT_EQ(band->AllObjects(), (QList<TrpComponent*>{m1, m3}));
}

TEST_F(ReportTree, PageAndReportWalkUpFromTheObjectItself) {
  auto* memo = new TestMemo(band);
  EXPECT_EQ(memo->Page(), page);
  EXPECT_EQ(page->Page(), page);
  EXPECT_EQ(memo->Report(), &report);
  EXPECT_EQ(report.Report(), &report);
  EXPECT_EQ(report.Page(), nullptr);
}

TEST_F(ReportTree, ContainerObjectsAreTheChildren) {
  auto* memo = new TestMemo(band);
  EXPECT_EQ(band->ContainerObjects(), QList<TrpComponent*>{memo});
}

TEST_F(ReportTree, GetChildrenHandsEachChildInOrder) {
  auto* a = new TestMemo(band);
  auto* b = new TestMemo(band);
  QList<TrpComponent*> handed;
  band->GetChildren([&](TrpComponent* c) { handed.append(c); });
  EXPECT_EQ(handed, (QList<TrpComponent*>{a, b}));
  EXPECT_EQ(band->GetChildOwner(), band);
}

TEST_F(ReportTree, FreedObjectIsForgottenByShiftListsOfOtherObjects) {
  auto* memo = new TestMemo(band);
  auto* below = new TestMemo(band);
  memo->ShiftChildren().append(below);
  delete below;
  EXPECT_TRUE(memo->ShiftChildren().isEmpty());
}

TEST_F(ReportTree, CreatingAPageInsideTheReportAddsItAfterTheExistingPages) {
  auto* page2 = new TestPage(&report);
  EXPECT_EQ(report.Objects(), (QList<TrpComponent*>{page, page2}));
}
