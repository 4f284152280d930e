// Names: unique per report regardless of case, generated names, lookup by name.
#include <gtest/gtest.h>

#include <memory>

#include "report/objects/report_error.h"
#include "test_classes.h"

namespace {

struct ReportNames : ::testing::Test {
  TestReport report;
  TestPage* page = new TestPage(&report);
  TestBand* band = new TestBand(page);

  TestMemo* memo(const QString& name) {
    auto* m = new TestMemo(band);
    m->SetName(name);
    return m;
  }
};

// The message of the error `action` raises, or "(no error)".
template <class F>
QString errorOf(F action) {
  try {
    action();
  } catch (const TrpError& e) {
    return e.Message();
  }
  return QStringLiteral("(no error)");
}

// An object of whatever class description it is given, to see names derived from class names.
class NamedByClass : public TrpComponent {
 public:
  NamedByClass(const TrpClassInfo& info) : TrpComponent(nullptr), FInfo(info) {}
  const TrpClassInfo& ClassInfo() const override { return FInfo; }

 private:
  const TrpClassInfo& FInfo;
};

}  // namespace

TEST_F(ReportNames, FirstTextObjectOfAnEmptyReportIsMemo1) {
  auto* m = new TestMemo(band);
  m->CreateUniqueName();
  EXPECT_EQ(m->Name(), "Memo1");
}

TEST_F(ReportNames, UniqueNameTakesTheSmallestFreeNumberIgnoringCase) {
  memo("memo1");
  memo("Memo3");
  auto* m = new TestMemo(band);
  m->CreateUniqueName();
  EXPECT_EQ(m->Name(), "Memo2");
}

TEST_F(ReportNames, UniqueNameFollowsTheHighestWhenThereIsNoGap) {
  for (int i = 1; i <= 4; ++i) memo(QStringLiteral("Memo%1").arg(i));
  auto* m = new TestMemo(band);
  m->CreateUniqueName();
  EXPECT_EQ(m->Name(), "Memo5");
}

TEST_F(ReportNames, UniqueNameFillsAGapFirst) {
  TestMemo* second = nullptr;
  for (int i = 1; i <= 4; ++i) {
    TestMemo* m = memo(QStringLiteral("Memo%1").arg(i));
    if (i == 2) second = m;
  }
  delete second;
  auto* m = new TestMemo(band);
  m->CreateUniqueName();
  EXPECT_EQ(m->Name(), "Memo2");
}

TEST_F(ReportNames, UniqueNameAvoidsObjectsOfTheReportOutsideTheTree) {
  TestMemo* loose = memo("Memo1");
  loose->SetParent(nullptr);
  auto* m = new TestMemo(band);
  m->CreateUniqueName();
  EXPECT_EQ(m->Name(), "Memo2");
}

TEST(UniqueNames, WithoutReportTheParentsObjectsCount) {
  TestBand band(nullptr);
  auto* first = new TestMemo(&band);
  first->SetName("Memo1");
  auto* second = new TestMemo(&band);
  second->CreateUniqueName();
  EXPECT_EQ(second->Name(), "Memo2");
}

TEST(UniqueNames, ObjectAloneIsNamedWithNumberOne) {
  TestMemo memo(nullptr);
  memo.CreateUniqueName();
  EXPECT_EQ(memo.Name(), "Memo1");
}

struct BaseNameCase {
  const char* ClassName;
  const char* BaseName;
};

class BaseNames : public ::testing::TestWithParam<BaseNameCase> {};

TEST_P(BaseNames, BaseNameDropsTheFirstTrpAndTheFirstView) {
  const TrpClassInfo info(GetParam().ClassName, &TrpComponent::StaticClassInfo(), nullptr, {});
  NamedByClass object(info);
  EXPECT_EQ(object.BaseName(), GetParam().BaseName);
}

INSTANTIATE_TEST_SUITE_P(ClassNames, BaseNames,
                         ::testing::Values(BaseNameCase{"TrpMemoView", "Memo"},
                                           BaseNameCase{"TrpPageHeader", "PageHeader"},
                                           BaseNameCase{"TrpReportPage", "ReportPage"},
                                           BaseNameCase{"TrpViewViewTrp", "ViewTrp"},
                                           BaseNameCase{"TrpDataBand4", "DataBand4"}));

TEST(UniqueNames, AGivenBaseNameReplacesTheDerivedOne) {
  TestMemo memo(nullptr);
  memo.SetBaseName("Page");
  memo.CreateUniqueName();
  EXPECT_EQ(memo.Name(), "Page1");
}

TEST_F(ReportNames, FindObjectIgnoresCase) {
  TestMemo* m = memo("Memo1");
  EXPECT_EQ(report.FindObject("memo1"), m);
  EXPECT_EQ(report.FindObject("MEMO1"), m);
  EXPECT_EQ(report.FindObject("Memo2"), nullptr);
}

TEST(FindObject, EmptyReportFindsNothing) {
  TestReport report;
  EXPECT_EQ(report.FindObject("Memo1"), nullptr);
  EXPECT_EQ(report.FindObject(""), nullptr);
}

TEST_F(ReportNames, FindObjectNeverReturnsTheObjectItself) {
  band->SetName("Band1");
  EXPECT_EQ(band->FindObject("Band1"), nullptr);
  EXPECT_EQ(report.FindObject("Band1"), band);
}

TEST_F(ReportNames, RenamingToANameInUseRaisesAndKeepsTheName) {
  memo("Memo1");
  TestMemo* other = memo("Memo2");
  EXPECT_EQ(errorOf([&] { other->SetName("MEMO1"); }), "prDupl");
  EXPECT_EQ(other->Name(), "Memo2");
}

TEST_F(ReportNames, RenamingAnInheritedObjectRaisesCantRename) {
  TestMemo* m = memo("Memo1");
  m->SetAncestor(true);
  EXPECT_EQ(errorOf([&] { m->SetName("Title"); }),
            "Could not rename Memo1, it was introduced in the ancestor report");
  EXPECT_EQ(m->Name(), "Memo1");
}

TEST_F(ReportNames, PlatformAncestorStateAlsoProtectsTheName) {
  TestMemo* m = memo("Memo1");
  m->SetComponentState(TrpComponentState::Ancestor, true);
  EXPECT_TRUE(m->IsAncestor());
  EXPECT_THROW(m->SetName("Title"), TrpError);
}

class InvalidNames : public ::testing::TestWithParam<const char*> {};

TEST_P(InvalidNames, AreRefusedWithThePlatformMessage) {
  TestReport report;
  auto* m = new TestMemo(&report);
  m->SetName("Memo1");
  const QString bad = QString::fromUtf8(GetParam());
  EXPECT_EQ(errorOf([&] { m->SetName(bad); }),
            QStringLiteral("''%1'' is not a valid component name").arg(bad));
  EXPECT_EQ(m->Name(), "Memo1");
}

INSTANTIATE_TEST_SUITE_P(Identifiers, InvalidNames,
                         ::testing::Values("1Memo", "Memo 1", "Memo-1", "Memo.1", "Größe", "%s"));

TEST_F(ReportNames, IdentifiersMayStartWithAnUnderscoreAndHoldDigits) {
  TestMemo* m = memo("_cell_10");
  EXPECT_EQ(m->Name(), "_cell_10");
}

TEST_F(ReportNames, EmptyNameIsAllowedAndNeverClashes) {
  TestMemo* a = memo("");
  TestMemo* b = memo("Memo1");
  b->SetName("");
  EXPECT_EQ(a->Name(), "");
  EXPECT_EQ(b->Name(), "");
}

TEST_F(ReportNames, ChangingOnlyTheLetterCaseRenames) {
  TestMemo* m = memo("memo1");
  m->SetName("Memo1");
  EXPECT_EQ(m->Name(), "Memo1");
}

TEST_F(ReportNames, NameHeldByAnOwnedObjectOutsideTheTreeIsRefused) {
  TestMemo* loose = memo("Loose");
  loose->SetParent(nullptr);
  TestMemo* m = memo("Memo1");
  EXPECT_EQ(errorOf([&] { m->SetName("loose"); }), "A component named loose already exists");
  EXPECT_EQ(m->Name(), "Memo1");
}

TEST_F(ReportNames, FindComponentSearchesWhatTheReportOwns) {
  TestMemo* m = memo("Memo1");
  EXPECT_EQ(report.FindComponent("MEMO1"), m);
  EXPECT_EQ(report.FindComponent(""), nullptr);
}
