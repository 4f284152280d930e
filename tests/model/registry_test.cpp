// The class registry: classes by name, creation by name, designer creation.
#include <gtest/gtest.h>

#include "report/objects/class_registry.h"
#include "test_classes.h"

namespace {

class DesignedMemo : public TestMemo {
 public:
  explicit DesignedMemo(TrpComponent* owner) : TestMemo(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new DesignedMemo(owner); }
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("TrpDesignedMemo", &TestMemo::StaticClassInfo(), &Create, {});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void DesignCreate(int flags) override {
    SeenDesigning = IsDesigning();
    Flags = flags;
  }
  bool SeenDesigning = false;
  int Flags = -1;
};

struct Registry : ::testing::Test {
  Registry() {
    rpRegisterClass(TestMemo::StaticClassInfo());
    rpRegisterClass(TestBand::StaticClassInfo());
  }
  ~Registry() override {
    rpUnregisterClass(TestMemo::StaticClassInfo());
    rpUnregisterClass(TestBand::StaticClassInfo());
  }
};

}  // namespace

TEST_F(Registry, ClassesAreFoundByNameIgnoringCase) {
  EXPECT_EQ(rpFindClass("TrpMemoView"), &TestMemo::StaticClassInfo());
  EXPECT_EQ(rpFindClass("trpmemoview"), &TestMemo::StaticClassInfo());
  EXPECT_EQ(rpFindClass("TrpNoSuchView"), nullptr);
}

TEST_F(Registry, ObjectIsCreatedByClassNameInsideItsOwner) {
  TestReport report;
  TrpComponent* band = rpCreateObject("TrpTestBand", &report);
  ASSERT_NE(band, nullptr);
  TrpComponent* memo = rpCreateObject("TrpMemoView", band);
  ASSERT_NE(dynamic_cast<TestMemo*>(memo), nullptr);
  EXPECT_EQ(memo->Parent(), band);
  EXPECT_EQ(memo->Owner(), &report);
}

TEST_F(Registry, UnknownAndAbstractClassesCreateNothing) {
  TestReport report;
  EXPECT_EQ(rpCreateObject("TrpNoSuchView", &report), nullptr);
  rpRegisterClass(BandBaseInfo());
  EXPECT_EQ(rpCreateObject("TrpBand", &report), nullptr);
  rpUnregisterClass(BandBaseInfo());
  EXPECT_TRUE(report.Objects().isEmpty());
}

TEST_F(Registry, RegisteringANameAgainReplacesTheClass) {
  static const TrpClassInfo replacement("TrpMemoView", &TrpComponent::StaticClassInfo(), nullptr, {});
  rpRegisterClass(replacement);
  EXPECT_EQ(rpFindClass("TrpMemoView"), &replacement);
  rpRegisterClass(TestMemo::StaticClassInfo());
  EXPECT_EQ(rpFindClass("TrpMemoView"), &TestMemo::StaticClassInfo());
}

TEST_F(Registry, UnregisteredClassIsNoLongerFound) {
  rpUnregisterClass(TestBand::StaticClassInfo());
  EXPECT_EQ(rpFindClass("TrpTestBand"), nullptr);
  EXPECT_FALSE(rpRegisteredClasses().contains(&TestBand::StaticClassInfo()));
}

TEST(DesignerCreation, ObjectIsMarkedDesigningBeforeItsHookRuns) {
  TestReport report;
  auto* memo = dynamic_cast<DesignedMemo*>(
      rpDesignCreate(DesignedMemo::StaticClassInfo(), &report, 4));
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->IsDesigning());
  EXPECT_TRUE(memo->SeenDesigning);
  EXPECT_EQ(memo->Flags, 4);
}

TEST(DesignerCreation, AbstractClassCreatesNothing) {
  EXPECT_EQ(rpDesignCreate(BandBaseInfo(), nullptr, 0), nullptr);
}
