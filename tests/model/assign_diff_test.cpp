// Copying objects (Assign, AssignAll) and the difference record against a template (Diff).
#include <gtest/gtest.h>

#include "report/objects/report_error.h"
#include "test_classes.h"

namespace {

struct TwoMemos : ::testing::Test {
  TestReport report;
  TestPage* page = new TestPage(&report);
  TestBand* band = new TestBand(page);
  TestMemo* source = new TestMemo(band);
  TestMemo* target = new TestMemo(band);

  TwoMemos() {
    source->SetName("Source");
    target->SetName("Target");
  }
};

}  // namespace

TEST_F(TwoMemos, AssignCopiesGeometryFontTextAndEveryPublishedProperty) {
  source->SetBounds(1.5L, 2, 300.25L, 40);
  source->Font()->SetName("標楷體");
  source->Font()->SetSize(28);
  source->Font()->SetStyle({fsBold});
  source->SetText("字");
  source->SetHAlign(haCenter);
  source->SetColor(0x00FF00);
  source->SetGapX(3);
  source->SetAutoWidth(true);
  source->SetVisible(false);
  source->SetRestrictions({rfDontMove});
  source->SetTag(13777);
  target->Assign(*source);
  EXPECT_EQ(target->Left(), 1.5L);
  EXPECT_EQ(target->Top(), 2);
  EXPECT_EQ(target->Width(), 300.25L);
  EXPECT_EQ(target->Height(), 40);
  EXPECT_TRUE(target->Font()->SameAs(*source->Font()));
  EXPECT_FALSE(target->ParentFont());
  EXPECT_EQ(target->Text(), "字");
  EXPECT_EQ(target->HAlign(), haCenter);
  EXPECT_EQ(target->Color(), 0x00FF00);
  EXPECT_EQ(target->GapX(), 3);
  EXPECT_TRUE(target->AutoWidth());
  EXPECT_FALSE(target->Visible());
  EXPECT_EQ(target->Restrictions(), TrpRestrictions{rfDontMove});
  EXPECT_EQ(target->Tag(), 13777);
}

TEST_F(TwoMemos, AssignCopiesDefaultValuesToo) {
  target->SetText("old");
  target->SetGapX(9);
  target->SetHAlign(haBlock);
  target->Assign(*source);
  EXPECT_EQ(target->Text(), "");
  EXPECT_EQ(target->GapX(), 2);
  EXPECT_EQ(target->HAlign(), haLeft);
}

TEST_F(TwoMemos, AssignLeavesTheNameAndTheChildren) {
  new TestMemo(source);
  auto* own = new TestMemo(target);
  target->Assign(*source);
  EXPECT_EQ(target->Name(), "Target");
  EXPECT_EQ(target->Objects(), QList<TrpComponent*>{own});
}

TEST_F(TwoMemos, AssignFromSomethingOtherThanAReportObjectIsIgnored) {
  TrpFont font;
  font.SetName("Tahoma");
  target->Assign(font);
  EXPECT_EQ(target->Font()->Name(), "Arial");
}

TEST_F(TwoMemos, AssignKeepsAReferenceWithinTheSameReport) {
  auto* partner = new TestMemo(band);
  source->SetPartner(partner);
  target->Assign(*source);
  EXPECT_EQ(target->Partner(), partner);
}

TEST(AssignAcrossReports, ReferenceResolvesByNameInTheTargetsReport) {
  TestReport first;
  TestReport second;
  auto* source = new TestMemo(&first);
  auto* partner = new TestMemo(&first);
  partner->SetName("Title");
  source->SetPartner(partner);
  auto* target = new TestMemo(&second);
  target->Assign(*source);
  EXPECT_EQ(target->Partner(), nullptr);
  auto* namesake = new TestMemo(&second);
  namesake->SetName("title");
  target->Assign(*source);
  EXPECT_EQ(target->Partner(), namesake);
}

TEST(AssignAll, CopiesTheChildrenIntoAnotherReportUnderTheirNames) {
  TestReport first;
  TestReport second;
  auto* band = new TestBand(&first);
  auto* memo = new TestMemo(band);
  memo->SetName("Memo1");
  memo->SetText("x");
  auto* copy = new TestBand(&second);
  copy->AssignAll(*band);
  ASSERT_EQ(copy->Objects().size(), 1);
  auto* copied = dynamic_cast<TestMemo*>(copy->Objects()[0]);
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->Name(), "Memo1");
  EXPECT_EQ(copied->Text(), "x");
  EXPECT_EQ(copied->Owner(), &second);
  EXPECT_EQ(band->Objects(), QList<TrpComponent*>{memo});
}

TEST(AssignAll, CopiesWithinOneReportGetFreshNames) {
  TestReport report;
  auto* band = new TestBand(&report);
  auto* memo = new TestMemo(band);
  memo->SetName("Memo1");
  auto* copy = new TestBand(&report);
  copy->AssignAll(*band);
  ASSERT_EQ(copy->Objects().size(), 1);
  EXPECT_EQ(copy->Objects()[0]->Name(), "Memo2");
  EXPECT_EQ(memo->Parent(), band);
}

TEST(AssignAll, RefusesToCopyAnObjectIntoItsOwnTree) {
  TestReport report;
  auto* outer = new TestBand(&report);
  auto* inner = new TestBand(outer);
  new TestMemo(inner);
  EXPECT_THROW(inner->AssignAll(*outer), TrpError);
  EXPECT_THROW(outer->AssignAll(*inner), TrpError);
  EXPECT_EQ(outer->Objects(), QList<TrpComponent*>{inner});
  EXPECT_EQ(inner->Objects().size(), 1);
}

TEST_F(TwoMemos, DiffOfIdenticalObjectsIsEmpty) {
  source->SetBounds(10, 20, 30, 40);
  target->Assign(*source);
  EXPECT_EQ(target->Diff(*source), "");
}

TEST_F(TwoMemos, DiffListsChangedAttributesInRecordOrder) {
  target->SetBounds(1.5L, 0, 755.9012755875L, 17);
  target->SetVisible(false);
  target->SetTag(7);
  EXPECT_EQ(target->Diff(*source),
            " l=\"1.5\" w=\"755.9012755875\" h=\"17\" Visible=\"0\" Tag=\"7\"");
}

TEST_F(TwoMemos, DiffIgnoresFloatDifferencesUpToTheTolerance) {
  source->SetLeft(10);
  target->SetLeft(10.00009L);
  EXPECT_EQ(target->Diff(*source), "");
  target->SetLeft(10.0002L);
  EXPECT_EQ(target->Diff(*source), " l=\"10.0002\"");
}

TEST_F(TwoMemos, DiffRecordsTheFontOnlyForAnObjectWithItsOwnFont) {
  band->Font()->SetSize(12);  // the target follows: its font differs, ParentFont does not
  target->SetParent(page);
  target->SetParent(band);
  source->SetParentFont(false);
  source->Font()->SetSize(10);
  EXPECT_EQ(target->Diff(*source), " ParentFont=\"1\"");
}

TEST_F(TwoMemos, DiffWritesFontAttributesAsNumbersAndEscapedName) {
  target->Font()->SetName("A&\"B\"");
  target->Font()->SetSize(28);
  target->Font()->SetColor(0x0000FF);
  target->Font()->SetStyle({fsBold, fsUnderline});
  target->Font()->SetCharset(136);
  EXPECT_EQ(target->Diff(*source),
            " Font.Name=\"A&#38;&#34;B&#34;\" Font.Size=\"28\" Font.Color=\"255\""
            " Font.Style=\"5\" Font.Charset=\"136\" ParentFont=\"0\"");
}

TEST_F(TwoMemos, BandsAlwaysRecordTheirTop) {
  auto* other = new TestBand(page);
  band->SetTop(12);
  other->SetTop(12);
  EXPECT_EQ(band->Diff(*other), " t=\"12\"");
}

TEST_F(TwoMemos, AutoWidthTextNeverRecordsItsWidth) {
  target->SetWidth(99);
  target->SetAutoWidth(true);
  EXPECT_EQ(target->Diff(*source), "");
}

TEST_F(TwoMemos, SubclassAttributesFollowTheBaseRecord) {
  target->SetTag(1);
  target->SetColor(0x102030);
  target->SetAlign(baClient);
  EXPECT_EQ(target->Diff(*source), " Tag=\"1\" Align=\"6\" Color=\"1056816\"");
}

TEST_F(TwoMemos, DiffAgainstAnObjectOfAnotherClassComparesTheAttributesBothHave) {
  // The band has no Color: the attribute counts as differing and is written.
  band->SetBounds(0, 5, 100, 20);
  target->SetBounds(0, 5, 100, 20);
  target->SetColor(0x102030);
  EXPECT_EQ(target->Diff(*band), " Align=\"0\" Color=\"1056816\"");
}
