// Property descriptors: one table per class, read by generic loops (writing attributes,
// listing properties for scripts, setting values by dotted name).
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "report/objects/float_text.h"
#include "report/objects/property_access.h"
#include "report/objects/property_value.h"
#include "test_classes.h"

namespace {

QStringList publishedNames(const TrpClassInfo& info) {
  QStringList names;
  for (const TrpPropertyDescriptor& d : info.Properties()) names << QLatin1String(d.Name);
  return names;
}

// The attribute loop of a report-file writer, reduced to the kinds these tests use: stored
// properties that differ from their declared default, sub-objects under "Name.".
QString attributesOf(const TrpPersistent& object, const QString& prefix = {}) {
  QString text;
  for (const TrpPropertyDescriptor& d : object.ClassInfo().Properties()) {
    if (!d.IsStored(object)) continue;
    if (d.Kind == TrpPropertyKind::Object) {
      text += attributesOf(*d.Object(object), prefix + QLatin1String(d.Name) + u'.');
      continue;
    }
    if (rpIsDefaultValue(object, d)) continue;
    const QVariant v = d.Get(object);
    QString value;
    switch (d.Kind) {
      case TrpPropertyKind::Float: value = rpFloatToStr(rpVariantToFloat(v)); break;
      case TrpPropertyKind::Enumeration: value = d.Enum->NameOf(rpVariantToInt(v)); break;
      case TrpPropertyKind::Boolean: value = v.toBool() ? "True" : "False"; break;
      case TrpPropertyKind::Reference: {
        auto* c = dynamic_cast<TrpComponent*>(rpVariantToObject(v));
        if (!c) continue;
        value = c->Name();
        break;
      }
      default: value = v.toString(); break;
    }
    text += QStringLiteral(" %1%2=\"%3\"").arg(prefix, QLatin1String(d.Name), value);
  }
  return text;
}

}  // namespace

TEST(ClassTables, ComponentPublishesOnlyNameAndTag) {
  EXPECT_EQ(publishedNames(TrpComponent::StaticClassInfo()), (QStringList{"Name", "Tag"}));
}

TEST(ClassTables, PublishedPropertiesComeInPublishingOrderBaseClassFirst) {
  EXPECT_EQ(publishedNames(TestMemo::StaticClassInfo()),
            (QStringList{"Name", "Tag", "Description", "Align", "Left", "Top", "Width", "Height",
                         "Font", "ParentFont", "Visible", "Restrictions", "AutoWidth", "Color",
                         "GapX", "HAlign", "Partner", "Text"}));
}

TEST(ClassTables, PublicOnlyPropertiesAreFoundByNameButNotListed) {
  const TrpClassInfo& info = TrpReportComponent::StaticClassInfo();
  EXPECT_EQ(info.FindProperty("Left"), nullptr);
  ASSERT_NE(info.FindAnyProperty("left"), nullptr);
  EXPECT_EQ(info.FindAnyProperty("left")->Kind, TrpPropertyKind::Float);
  EXPECT_NE(info.FindProperty("DESCRIPTION"), nullptr);
}

TEST(ClassTables, RepublishingMayDeclareAnotherDefaultForThatClassOnly) {
  EXPECT_EQ(TestBand::StaticClassInfo().FindProperty("ParentFont")->Default, QVariant(true));
  EXPECT_EQ(TestMemo::StaticClassInfo().FindProperty("ParentFont")->Default, QVariant(true));
  EXPECT_EQ(TestBand::StaticClassInfo().FindProperty("GapX"), nullptr);
}

TEST(ClassTables, ClassesKnowTheirAncestorsByNameAndDescription) {
  const TrpClassInfo& band = TestBand::StaticClassInfo();
  EXPECT_TRUE(band.InheritsFrom("trpband"));
  EXPECT_TRUE(band.InheritsFrom(TrpComponent::StaticClassInfo()));
  EXPECT_FALSE(band.InheritsFrom("TrpPage"));
  EXPECT_EQ(band.Parent(), &BandBaseInfo());
}

TEST(Descriptors, EnumerationsAndSetsNameTheirValues) {
  EXPECT_EQ(testHAlignType.NameOf(haCenter), "haCenter");
  EXPECT_EQ(testHAlignType.ValueOf(u"HACENTER"), haCenter);
  EXPECT_EQ(testHAlignType.ValueOf(u"haMiddle"), std::nullopt);
  EXPECT_EQ(testHAlignType.NameOf(99), "");
  EXPECT_EQ(rpFontStyleType.ValueOf(u"fsStrikeout"), 3);
}

TEST(Descriptors, ValuesAreReadAndWrittenAsVariants) {
  TestMemo memo(nullptr);
  const TrpClassInfo& info = memo.ClassInfo();
  info.FindProperty("HAlign")->Set(memo, 2);
  info.FindProperty("Left")->Set(memo, rpToVariant(755.9012755875L));
  info.FindProperty("Text")->Set(memo, QStringLiteral("練習"));
  info.FindProperty("Restrictions")->Set(memo, 5);
  EXPECT_EQ(memo.HAlign(), haCenter);
  EXPECT_EQ(memo.Left(), 755.9012755875L);
  EXPECT_EQ(memo.Text(), "練習");
  EXPECT_EQ(memo.Restrictions(), (TrpRestrictions{rfDontModify, rfDontMove}));
  EXPECT_EQ(rpVariantToFloat(info.FindProperty("Left")->Get(memo)), 755.9012755875L);
  EXPECT_EQ(info.FindProperty("HAlign")->Get(memo).toInt(), 2);
}

TEST(Descriptors, IntegersFromOutOfRangeFloatsAreClamped) {
  TestMemo memo(nullptr);
  const TrpPropertyDescriptor* gap = memo.ClassInfo().FindProperty("GapX");
  gap->Set(memo, rpToVariant(1e20L));
  EXPECT_EQ(memo.GapX(), std::numeric_limits<int>::max());
  gap->Set(memo, QVariant(-1e20));
  EXPECT_EQ(memo.GapX(), std::numeric_limits<int>::min());
  gap->Set(memo, rpToVariant(-7.9L));
  EXPECT_EQ(memo.GapX(), -7);
}

TEST(Descriptors, DottedPathsReachSubObjects) {
  TestMemo memo(nullptr);
  const TrpPropertyRef style = rpFindPropertyPath(memo, u"Font.Style");
  ASSERT_TRUE(style);
  EXPECT_EQ(style.Object, memo.Font());
  style.Property->Set(*style.Object, 3);
  EXPECT_EQ(memo.Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_FALSE(memo.ParentFont());
}

TEST(Descriptors, SettingASubObjectPropertyAssignsTheWholeObject) {
  TestBand band(nullptr);
  auto* memo = new TestMemo(&band);
  TrpFont font;
  font.SetName("Tahoma");
  memo->ClassInfo().FindProperty("Font")->Set(*memo, rpToVariant(&font));
  EXPECT_EQ(memo->Font()->Name(), "Tahoma");
  EXPECT_FALSE(memo->ParentFont());
  EXPECT_EQ(rpVariantToObject(memo->ClassInfo().FindProperty("Font")->Get(*memo)), memo->Font());
}

TEST(Descriptors, UnknownOrNonObjectSegmentsResolveToNothing) {
  TestMemo memo(nullptr);
  EXPECT_FALSE(rpFindPropertyPath(memo, u"Font.Weight"));
  EXPECT_FALSE(rpFindPropertyPath(memo, u"Frame.Typ"));
  EXPECT_FALSE(rpFindPropertyPath(memo, u"Text.Length"));
  EXPECT_FALSE(rpFindPropertyPath(memo, u"OnAfterPrint"));
  EXPECT_TRUE(rpFindPropertyPath(memo, u"OnAfterPrint", false));
}

TEST(Descriptors, ReferencesTravelAsObjects) {
  TestReport report;
  auto* memo = new TestMemo(&report);
  auto* other = new TestMemo(&report);
  const TrpPropertyDescriptor* partner = memo->ClassInfo().FindProperty("Partner");
  partner->Set(*memo, rpToVariant(other));
  EXPECT_EQ(memo->Partner(), other);
  EXPECT_EQ(rpVariantToObject(partner->Get(*memo)), other);
  partner->Set(*memo, rpToVariant(memo->Font()));  // not a report object: none
  EXPECT_EQ(memo->Partner(), nullptr);
}

TEST(Descriptors, NameAndFontSizeAreNeverStored) {
  TestMemo memo(nullptr);
  EXPECT_FALSE(memo.ClassInfo().FindProperty("Name")->IsStored(memo));
  EXPECT_FALSE(TrpFont::StaticClassInfo().FindProperty("Size")->IsStored(*memo.Font()));
  EXPECT_TRUE(TrpFont::StaticClassInfo().FindProperty("Height")->IsStored(*memo.Font()));
}

TEST(Descriptors, FloatsAndPropertiesWithoutDefaultAreNeverAtTheirDefault) {
  TestMemo memo(nullptr);
  EXPECT_FALSE(rpIsDefaultValue(memo, *memo.ClassInfo().FindProperty("Left")));
  EXPECT_TRUE(rpIsDefaultValue(memo, *memo.ClassInfo().FindProperty("GapX")));
  EXPECT_TRUE(rpIsDefaultValue(memo, *memo.ClassInfo().FindProperty("Text")));
  memo.SetText("x");
  EXPECT_FALSE(rpIsDefaultValue(memo, *memo.ClassInfo().FindProperty("Text")));
}

TEST(AttributeLoop, GapXTwoIsNotWrittenAndThreeIs) {
  TestMemo memo(nullptr);
  EXPECT_FALSE(attributesOf(memo).contains("GapX"));
  memo.SetGapX(3);
  EXPECT_TRUE(attributesOf(memo).contains(" GapX=\"3\""));
}

TEST(AttributeLoop, ANewObjectWritesItsFloatsFontAndNothingAtDefault) {
  TestMemo memo(nullptr);
  memo.SetHAlign(haCenter);
  memo.Font()->SetStyle({fsBold});
  EXPECT_EQ(attributesOf(memo),
            " Left=\"0\" Top=\"0\" Width=\"0\" Height=\"0\" Font.Charset=\"1\" Font.Color=\"0\""
            " Font.Height=\"-13\" Font.Name=\"Arial\" Font.Style=\"1\" ParentFont=\"False\""
            " HAlign=\"haCenter\"");
}

TEST(AttributeLoop, ReferencesAreWrittenByName) {
  TestReport report;
  auto* memo = new TestMemo(&report);
  auto* other = new TestMemo(&report);
  other->SetName("Memo9");
  memo->SetPartner(other);
  EXPECT_TRUE(attributesOf(*memo).endsWith(" Partner=\"Memo9\""));
}

namespace {

// An object with a read-only property, as scripts see computed values.
class Counter : public TrpPersistent {
 public:
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("TCounter", nullptr, nullptr,
                                   {rpInteger<&Counter::Count>("Count"),
                                    rpInteger<&Counter::Step, &Counter::SetStep>("Step", 1)});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int Count() const { return FCount; }
  int Step() const { return FStep; }
  void SetStep(int v) { FStep = v; }
  int FCount = 0;
  int FStep = 1;
};

}  // namespace

TEST(ReadOnlyProperties, HaveNoSetterAndAreSkippedWhenCopying) {
  Counter a;
  Counter b;
  a.FCount = 5;
  a.SetStep(3);
  EXPECT_TRUE(Counter::StaticClassInfo().FindProperty("Count")->IsReadOnly());
  b.Assign(a);
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(b.Step(), 3);
}

TEST(ClassTables, NamesAreFoundInAnyCaseThroughEveryKindOfStringView) {
  const TrpClassInfo& info = TestMemo::StaticClassInfo();
  const TrpPropertyDescriptor* gapX = info.FindProperty("GapX");
  ASSERT_NE(gapX, nullptr);
  EXPECT_EQ(info.FindProperty(QLatin1StringView("gapx")), gapX);
  EXPECT_EQ(info.FindProperty(QStringView(u"GAPX")), gapX);
  EXPECT_EQ(info.FindProperty(QUtf8StringView("gApX")), gapX);
  EXPECT_EQ(info.FindProperty("GapXY"), nullptr);
  EXPECT_EQ(info.FindProperty("Gap"), nullptr);
  EXPECT_EQ(info.FindProperty(QStringView(u"GapX\u00e9")), nullptr);
  EXPECT_EQ(info.FindProperty(""), nullptr);
}

// Difference records compare values as their getters return them, without QVariant; the answer
// must be the one the QVariant comparison gives, for each kind a record holds.
TEST(Descriptors, DirectComparisonAgreesWithTheVariantComparison) {
  struct Case {
    const char* path;
    std::function<void(TestMemo&)> change;
    bool sameWithinUnitTolerance;
  };
  const Case cases[] = {
      {"Left", [](TestMemo& m) { m.SetLeft(m.Left() + 0.00005L); }, true},
      {"Left", [](TestMemo& m) { m.SetLeft(m.Left() + 0.0002L); }, false},
      {"Visible", [](TestMemo& m) { m.SetVisible(false); }, false},
      {"HAlign", [](TestMemo& m) { m.SetHAlign(haBlock); }, false},
      {"Restrictions", [](TestMemo& m) { m.SetRestrictions({rfDontMove}); }, false},
      {"Color", [](TestMemo& m) { m.SetColor(0x00FF00); }, false},
      {"GapX", [](TestMemo& m) { m.SetGapX(-3); }, false},
      {"Text", [](TestMemo& m) { m.SetText("練習"); }, false},
      {"Font.Name", [](TestMemo& m) { m.Font()->SetName("Tahoma"); }, false},
      {"Font.Style", [](TestMemo& m) { m.Font()->SetStyle({fsItalic}); }, false},
      {"Text", [](TestMemo&) {}, true},
  };
  for (const Case& c : cases) {
    TestMemo a(nullptr), b(nullptr);
    c.change(b);
    const TrpPropertyRef mine = rpFindPropertyPath(a, QLatin1String(c.path), false);
    const TrpPropertyRef theirs = rpFindPropertyPath(b, QLatin1String(c.path), false);
    ASSERT_TRUE(mine && theirs) << c.path;
    EXPECT_NE(mine.Property->Same, nullptr) << c.path;
    EXPECT_EQ(rpSamePropertyValue(mine, theirs, rpUnitTolerance), c.sameWithinUnitTolerance) << c.path;
    for (const Extended tolerance : {Extended(0), rpUnitTolerance})
      EXPECT_EQ(rpSamePropertyValue(mine, theirs, tolerance),
                rpSameValue(mine.Property->Kind, mine.Value(), theirs.Value(), tolerance))
          << c.path << " within " << static_cast<double>(tolerance);
  }
}

TEST(Descriptors, ReferencesCompareThroughTheirVariants) {
  TestMemo a(nullptr), b(nullptr), partner(nullptr);
  b.SetPartner(&partner);
  const TrpPropertyRef mine = rpFindPropertyPath(a, u"Partner");
  const TrpPropertyRef theirs = rpFindPropertyPath(b, u"Partner");
  EXPECT_EQ(mine.Property->Same, nullptr);
  EXPECT_FALSE(rpSamePropertyValue(mine, theirs));
  a.SetPartner(&partner);
  EXPECT_TRUE(rpSamePropertyValue(mine, theirs));
}

TEST(ClassTables, ClassNamesMatchWholeAndInAnyCaseOnly) {
  const TrpClassInfo& band = TestBand::StaticClassInfo();
  EXPECT_TRUE(band.InheritsFrom("TRPBAND"));
  EXPECT_TRUE(band.InheritsFrom(u"trpBand"));
  EXPECT_FALSE(band.InheritsFrom("TrpBan"));
  EXPECT_FALSE(band.InheritsFrom("TrpBands"));
  EXPECT_FALSE(band.InheritsFrom(""));
  EXPECT_FALSE(band.InheritsFrom(u"TrpBänd"));
}
