// What a text object writes to report files and to prepared pages, and how its text and
// references are held.
#include "report/memo/memo_view.h"

#include <gtest/gtest.h>

#include "memo_test_support.h"
#include "report/memo/memo_classes.h"
#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/object_attributes.h"
#include "report/objects/property_access.h"
#include "report/views/frame.h"
#include "report/views/hyperlink.h"
#include "report/views/line_view.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"

namespace {

// Whether the serializer writes `name`: published, stored, and not at its declared default.
bool written(const TrpPersistent& object, const char* name) {
  const TrpPropertyDescriptor* d = object.ClassInfo().FindProperty(QLatin1String(name));
  return d && d->IsStored(object) && !rpIsDefaultValue(object, *d);
}

QStringList publishedNames(const TrpPersistent& object) {
  QStringList names;
  for (const TrpPropertyDescriptor& d : object.ClassInfo().Properties()) names << QLatin1String(d.Name);
  return names;
}

class MemoStorage : public ::testing::Test {
 protected:
  CalcTableReport report;
  TrpMemoView* memo = new TrpMemoView(&report);
};

TEST_F(MemoStorage, DefaultsAreNotWritten) {
  for (const char* name : {"GapX", "GapY", "LineSpacing", "CharSpacing", "ParagraphGap", "ExpressionDelimiters",
                           "AllowExpressions", "Clipped", "WordWrap", "Wysiwyg", "HAlign", "VAlign", "Rotation",
                           "ParentFont", "Font", "DisplayFormat", "Highlight", "Memo", "Printable", "URL",
                           "BrushStyle", "Color", "AutoWidth", "Style"})
    EXPECT_FALSE(written(*memo, name)) << name;
}

struct StoredCase {
  const char* property;
  std::function<void(TrpCustomMemoView&)> change;
};

class MemoStoredRule : public MemoStorage, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(MemoStoredRule, AChangedValueIsWritten) {
  GetParam().change(*memo);
  EXPECT_TRUE(written(*memo, GetParam().property));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MemoStoredRule,
    ::testing::Values(StoredCase{"GapX", [](TrpCustomMemoView& m) { m.SetGapX(3); }},
                      StoredCase{"GapY", [](TrpCustomMemoView& m) { m.SetGapY(0); }},
                      StoredCase{"LineSpacing", [](TrpCustomMemoView& m) { m.SetLineSpacing(0); }},
                      StoredCase{"CharSpacing", [](TrpCustomMemoView& m) { m.SetCharSpacing(1); }},
                      StoredCase{"ParagraphGap", [](TrpCustomMemoView& m) { m.SetParagraphGap(5); }},
                      StoredCase{"ExpressionDelimiters", [](TrpCustomMemoView& m) { m.SetExpressionDelimiters("<,>"); }},
                      StoredCase{"HAlign", [](TrpCustomMemoView& m) { m.SetHAlign(haCenter); }},
                      StoredCase{"WordWrap", [](TrpCustomMemoView& m) { m.SetWordWrap(false); }},
                      StoredCase{"UseDefaultCharset", [](TrpCustomMemoView& m) { m.SetUseDefaultCharset(true); }},
                      StoredCase{"Font", [](TrpCustomMemoView& m) { m.Font()->SetSize(16); }},
                      StoredCase{"DisplayFormat", [](TrpCustomMemoView& m) { m.DisplayFormat()->SetKind(fkNumeric); }},
                      StoredCase{"Highlight", [](TrpCustomMemoView& m) { m.Highlight()->SetCondition("x > 1"); }}));

TEST_F(MemoStorage, TheHyperlinkSeparatorIsWrittenOnlyWhenNotTheDefault) {
  EXPECT_FALSE(rpObjToXML(*memo, QString(), nullptr, false).contains("ValuesSeparator"));
  memo->Hyperlink()->SetValuesSeparator("|");
  EXPECT_TRUE(rpObjToXML(*memo, QString(), nullptr, false).contains(R"(Hyperlink.ValuesSeparator="|")"));
}

TEST_F(MemoStorage, AnOwnFontClearsParentFont) {
  EXPECT_TRUE(memo->ParentFont());
  memo->Font()->SetSize(16);
  EXPECT_FALSE(memo->ParentFont());
}

TEST_F(MemoStorage, OneHighlightWithABlankConditionIsNotWritten) {
  memo->Highlight()->SetCondition(QStringLiteral("   "));
  EXPECT_FALSE(written(*memo, "Highlight"));
}

TEST_F(MemoStorage, TwoFormatsOrHighlightsGoToTheNestedCollectionsInstead) {
  memo->Formats().Add();
  memo->Formats().Add()->SetKind(fkNumeric);
  memo->Highlights().Add()->SetCondition(QStringLiteral("a"));
  memo->Highlights().Add()->SetCondition(QStringLiteral("b"));
  EXPECT_FALSE(written(*memo, "DisplayFormat"));
  EXPECT_FALSE(written(*memo, "Highlight"));
}

TEST_F(MemoStorage, ReadingDisplayFormatCreatesTheFirstFormat) {
  EXPECT_EQ(memo->Formats().Count(), 0);
  TrpFormat* first = memo->DisplayFormat();
  EXPECT_EQ(memo->Formats().Count(), 1);
  EXPECT_EQ(memo->DisplayFormat(), first);
}

TEST_F(MemoStorage, RotationIsKeptModulo360) {
  memo->SetRotation(450);
  EXPECT_EQ(memo->Rotation(), 90);
  memo->SetRotation(-90);
  EXPECT_EQ(memo->Rotation(), 270);
}

TEST_F(MemoStorage, TheMemoPublishesItsPropertiesInFileOrder) {
  const QStringList names = publishedNames(*memo);
  const QStringList order{"StretchMode", "FirstParaBreak", "Cursor", "TagStr", "URL", "AutoWidth",
                          "AllowExpressions", "CharSpacing", "DisplayFormat", "ExpressionDelimiters", "FlowTo",
                          "Font", "Frame", "Fill", "GapX", "HAlign", "Highlight", "Memo", "ParentFont",
                          "Rotation", "Style", "WordWrap", "Wysiwyg", "VAlign"};
  qsizetype last = -1;
  for (const QString& name : order) {
    const qsizetype at = names.indexOf(name);
    ASSERT_GE(at, 0) << name.toStdString();
    EXPECT_GT(at, last) << name.toStdString();
    last = at;
  }
}

TEST(SysMemoStorage, PublishesTheSmallerSet) {
  TrpSysMemoView sys(nullptr);
  const QStringList names = publishedNames(sys);
  for (const char* name : {"AutoWidth", "CharSpacing", "Color", "DisplayFormat", "Font", "Frame", "FillType", "Fill",
                           "GapX", "GapY", "HAlign", "HideZeros", "Highlight", "Memo", "ParentFont", "Rotation",
                           "RTLReading", "Style", "SuppressRepeated", "VAlign", "WordWrap", "Left", "Visible"})
    EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
  for (const char* name : {"LineSpacing", "FlowTo", "Underlines", "WordBreak", "AllowExpressions", "StretchMode"})
    EXPECT_FALSE(names.contains(QLatin1String(name))) << name;
}

TEST(MemoText, TextEndsEveryLineWithCrLf) {
  TrpMemoView memo(nullptr);
  memo.SetMemo({QStringLiteral("a"), QString(), QStringLiteral("b")});
  EXPECT_EQ(memo.Text(), QStringLiteral("a\r\n\r\nb\r\n"));
}

struct SplitCase {
  const char* text;
  QStringList lines;
};

class MemoTextSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(MemoTextSplit, AssigningTextReplacesAllLines) {
  TrpMemoView memo(nullptr);
  memo.SetMemo({QStringLiteral("old")});
  memo.SetText(QString::fromUtf8(GetParam().text));
  EXPECT_EQ(memo.Memo(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoTextSplit,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\n", {"a"}},
                                           SplitCase{"a\r\nb", {"a", "b"}}, SplitCase{"a\nb\rc", {"a", "b", "c"}},
                                           SplitCase{"a\r\n\r\n", {"a", ""}}));

TEST(MemoText, AnsiTextUsesTheCodePageOfTheFontsCharacterSet) {
  TrpMemoView memo(nullptr);
  memo.Font()->SetCharset(136);  // Traditional Chinese, code page 950
  const QByteArray big5("\xAF\x5A\xA7\x4F", 4);  // 班別
  memo.SetAnsiText(big5);
  EXPECT_EQ(memo.Memo(), QStringList{QString::fromUtf8("班別")});
  EXPECT_EQ(memo.AnsiText(), big5 + "\r\n");
}

TEST(MemoFlowTo, NamingItselfIsRefused) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  EXPECT_THROW(memo->SetFlowTo(memo), TrpError);
  EXPECT_EQ(memo->FlowTo(), nullptr);
}

TEST(MemoFlowTo, IsClearedWhenTheTargetIsFreed) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  auto* next = new TrpMemoView(&report);
  memo->SetFlowTo(next);
  delete next;
  EXPECT_EQ(memo->FlowTo(), nullptr);
}

// ---------------------------------------------------------------- prepared-copy record

class MemoRecord : public ::testing::Test {
 protected:
  CalcTableReport report;
  TrpMemoView* source = new TrpMemoView(&report);
  TrpMemoView* copy = new TrpMemoView(&report);
};

TEST_F(MemoRecord, AnEmptyMemoWritesAnEmptyText) {
  EXPECT_TRUE(copy->Diff(*source).contains(QLatin1String(" u=\"\"")));
}

TEST_F(MemoRecord, TheTextIsWrittenWithoutItsFinalLineBreak) {
  copy->SetMemo({QStringLiteral("one")});
  EXPECT_TRUE(copy->Diff(*source).contains(QLatin1String(" u=\"one\"")));
  copy->SetMemo({QStringLiteral("a<b"), QStringLiteral("c")});
  const QString diff = copy->Diff(*source);
  EXPECT_TRUE(diff.contains(QStringLiteral(" u=\"") + rpStrToXML(QStringLiteral("a<b\r\nc")) + u'"')) << diff.toStdString();
  EXPECT_FALSE(diff.contains(u'<') || diff.contains(u'\r'));
}

TEST_F(MemoRecord, ChangedAttributesComeInTheirOrderAroundTheText) {
  copy->SetGapX(3);
  copy->SetHAlign(haCenter);
  copy->SetVAlign(vaCenter);
  copy->SetRotation(90);
  copy->SetMemo({QStringLiteral("x")});
  const QString diff = copy->Diff(*source);
  const QStringList parts{" GapX=\"3\"", " HAlign=\"2\"", " u=\"x\"", " Rotation=\"90\"", " VAlign=\"2\""};
  qsizetype last = -1;
  for (const QString& part : parts) {
    const qsizetype at = diff.indexOf(part);
    ASSERT_GE(at, 0) << part.toStdString() << " in " << diff.toStdString();
    EXPECT_GT(at, last) << part.toStdString();
    last = at;
  }
  EXPECT_FALSE(diff.contains(QLatin1String("GapY")));
}

TEST_F(MemoRecord, TheDisplayFormatIsWrittenOnlyWhenThereIsExactlyOne) {
  copy->DisplayFormat()->SetKind(fkNumeric);
  copy->DisplayFormat()->SetFormatStr(QStringLiteral("%2.2f"));
  const QString one = copy->Diff(*source);
  EXPECT_TRUE(one.contains(QLatin1String(" DisplayFormat.Kind=\"1\"")));
  EXPECT_TRUE(one.contains(QLatin1String(" DisplayFormat.FormatStr=\"%2.2f\"")));
  copy->Formats().Add();
  EXPECT_FALSE(copy->Diff(*source).contains(QLatin1String("DisplayFormat")));
}

TEST_F(MemoRecord, AnAutoWidthMemoNeverRecordsItsWidth) {
  copy->SetWidth(120);
  EXPECT_TRUE(copy->Diff(*source).contains(QLatin1String(" w=\"120\"")));
  copy->SetAutoWidth(true);
  EXPECT_FALSE(copy->Diff(*source).contains(QLatin1String(" w=")));
}

TEST_F(MemoRecord, ParagraphFlagsMoveOnToTheNextPart) {
  copy->SetLastParaBreak(true);
  const QString first = copy->Diff(*source);
  EXPECT_FALSE(first.contains(QLatin1String("FirstParaBreak")));
  EXPECT_TRUE(first.endsWith(QLatin1String(" LastParaBreak=\"1\"")));
  EXPECT_TRUE(copy->FirstParaBreak());
  EXPECT_FALSE(copy->LastParaBreak());
  EXPECT_TRUE(copy->Diff(*source).endsWith(QLatin1String(" FirstParaBreak=\"1\"")));
  EXPECT_FALSE(copy->FirstParaBreak());
}

}  // namespace

namespace {

TEST(MemoCollections, SeveralFormatsAndHighlightsTravelAsNestedElements) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->DisplayFormat()->SetKind(fkNumeric);
  memo->DisplayFormat()->SetFormatStr(QStringLiteral("%2.2f"));
  TrpFormat* second = memo->Formats().Add();
  second->SetKind(fkBoolean);
  second->SetFormatStr(QStringLiteral("\"Yes\",<No>"));
  memo->Highlight()->SetCondition(QStringLiteral("Value > 0"));
  TrpHighlight* other = memo->Highlights().Add();
  other->SetCondition(QStringLiteral("Value < 0"));
  other->Font()->SetSize(14);
  other->SetApplyFrame(true);

  TrpXMLItem element;
  memo->WriteNestedProperties(element, nullptr);
  ASSERT_EQ(element.Count(), 2);
  EXPECT_EQ(element.Items(0)->Name(), QStringLiteral("Formats"));
  EXPECT_EQ(element.Items(0)->Count(), 2);

  auto* copy = new TrpMemoView(&report);
  for (int i = 0; i < element.Count(); ++i) EXPECT_TRUE(copy->ReadNestedProperty(*element.Items(i)));
  ASSERT_EQ(copy->Formats().Count(), 2);
  EXPECT_EQ(copy->Formats().Items(0)->FormatStr(), QStringLiteral("%2.2f"));
  EXPECT_EQ(copy->Formats().Items(1)->Kind(), fkBoolean);
  EXPECT_EQ(copy->Formats().Items(1)->FormatStr(), QStringLiteral("\"Yes\",<No>"));
  ASSERT_EQ(copy->Highlights().Count(), 2);
  EXPECT_EQ(copy->Highlights().Items(1)->Condition(), QStringLiteral("Value < 0"));
  EXPECT_EQ(copy->Highlights().Items(1)->Font()->Size(), 14);
  EXPECT_EQ(copy->Highlights().Items(1)->Font()->Color(), 0x0000FF);
  EXPECT_TRUE(copy->Highlights().Items(1)->ApplyFrame());
}

TEST(MemoCollections, OneEntryIsNotNested) {
  TrpMemoView memo(nullptr);
  memo.DisplayFormat()->SetKind(fkNumeric);
  memo.Highlight()->SetCondition(QStringLiteral("x"));
  TrpXMLItem element;
  memo.WriteNestedProperties(element, nullptr);
  EXPECT_EQ(element.Count(), 0);
}

TEST(MemoCollections, OtherElementsAreLeftToTheSerializer) {
  TrpMemoView memo(nullptr);
  TrpXMLItem child;
  child.SetName(QStringLiteral("TrpMemoView"));
  EXPECT_FALSE(memo.ReadNestedProperty(child));
}

TEST(MemoClasses, AreRegisteredByName) {
  rpRegisterMemoClasses();
  CalcTableReport report;
  for (const char* name : {"TrpMemoView", "TrpSysMemoView", "TrpCustomMemoView"}) {
    TrpComponent* object = rpCreateObject(QLatin1String(name), &report);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->ClassName(), QLatin1String(name));
    EXPECT_NE(dynamic_cast<TrpCustomMemoView*>(object), nullptr);
  }
  EXPECT_NE(rpFindClass(QStringLiteral("trphighlight")), nullptr);
}

}  // namespace

namespace {

TEST(MemoAssign, CopiesTheTextFormatsAndHighlightsWithTheProperties) {
  CalcTableReport report;
  auto* source = new TrpMemoView(&report);
  source->SetMemo({QStringLiteral("first"), QStringLiteral("second")});
  source->SetGapX(5);
  source->SetHAlign(haCenter);
  source->DisplayFormat()->SetKind(fkNumeric);
  source->Formats().Add()->SetFormatStr(QStringLiteral("%d"));
  source->Highlight()->SetCondition(QStringLiteral("a"));
  source->Highlights().Add()->SetCondition(QStringLiteral("b"));
  auto* copy = new TrpMemoView(&report);
  copy->Assign(*source);
  EXPECT_EQ(copy->Memo(), source->Memo());
  EXPECT_EQ(copy->GapX(), 5);
  EXPECT_EQ(copy->HAlign(), haCenter);
  ASSERT_EQ(copy->Formats().Count(), 2);
  EXPECT_EQ(copy->Formats().Items(0)->Kind(), fkNumeric);
  EXPECT_EQ(copy->Formats().Items(1)->FormatStr(), QStringLiteral("%d"));
  ASSERT_EQ(copy->Highlights().Count(), 2);
  EXPECT_EQ(copy->Highlights().Items(1)->Condition(), QStringLiteral("b"));
  EXPECT_NE(copy->Formats().Items(0), source->Formats().Items(0));  // copies, not shared
}

}  // namespace

namespace {

TEST(MemoFileText, WritesChangedPropertiesAndTheTextLastAndReadsThemBack) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(5, 9, 731, 40);
  memo->SetGapX(3);
  memo->SetHAlign(haCenter);
  memo->SetMemo({QStringLiteral("Orlavo"), QString()});
  const QString text = rpObjToXML(*memo);
  EXPECT_TRUE(text.contains(QLatin1String(" GapX=\"3\""))) << text.toStdString();
  EXPECT_FALSE(text.contains(QLatin1String("GapY")));
  EXPECT_TRUE(text.contains(QLatin1String(" HAlign=\"haCenter\"")));
  EXPECT_FALSE(text.contains(QLatin1String("Font.")));  // ParentFont
  EXPECT_FALSE(text.contains(QLatin1String("Memo.")));
  EXPECT_TRUE(text.endsWith(QLatin1String(" Text=\"Orlavo&#13;&#10;\""))) << text.toStdString();

  auto* back = new TrpMemoView(&report);
  rpXMLToObj(text, *back);
  EXPECT_EQ(back->Memo(), memo->Memo());
  EXPECT_EQ(back->GapX(), 3);
  EXPECT_EQ(back->HAlign(), haCenter);
  EXPECT_EQ(back->Width(), 731);
}

}  // namespace

namespace {

// A prepared report's store reads a source object's description once and applies it to every
// copy: each copy gets what rpXMLToObj would give it, whatever was applied before.
TEST(MemoFileText, OneReadAttributeListSetsEveryObjectItIsAppliedTo) {
  CalcTableReport report;
  const QString text = QStringLiteral(
      " Left=\"5\" Width=\"731\" GapX=\"3\" HAlign=\"haCenter\" Font.Name=\"Arial\" Text=\"a &#38; b\" GapY=\"x\"");
  auto* reference = new TrpMemoView(&report);
  QStringList referenceErrors;
  rpXMLToObj(text, *reference, &referenceErrors);
  ASSERT_EQ(referenceErrors.size(), 1);  // GapY is no number

  TrpAttributeList attributes(text);
  for (int i = 0; i < 3; ++i) {
    auto* memo = new TrpMemoView(&report);
    QStringList errors;
    attributes.Apply(*memo, &errors);
    EXPECT_EQ(errors, referenceErrors);
    EXPECT_EQ(rpObjToXML(*memo), rpObjToXML(*reference));
    EXPECT_EQ(memo->Memo(), QStringList{QStringLiteral("a & b")});
    EXPECT_EQ(memo->GapX(), 3);
  }
  // An object of another class between them, which has only some of the properties.
  auto* line = new TrpLineView(&report);
  auto* lineReference = new TrpLineView(&report);
  attributes.Apply(*line);
  rpXMLToObj(text, *lineReference);
  EXPECT_EQ(rpObjToXML(*line), rpObjToXML(*lineReference));
  EXPECT_EQ(line->Width(), 731);
  auto* memo = new TrpMemoView(&report);
  attributes.Apply(*memo);
  EXPECT_EQ(rpObjToXML(*memo), rpObjToXML(*reference));
}

TEST(MemoFileText, RecordTextReadsBackLineForLine) {
  for (const QStringList& lines : {QStringList{}, QStringList{"one"}, QStringList{"a", "", "b"}, QStringList{"x", ""}}) {
    TrpMemoView memo(nullptr);
    memo.SetTextLines(lines.join(QLatin1String("\r\n")));
    EXPECT_EQ(memo.Memo(), lines);
  }
}

}  // namespace
