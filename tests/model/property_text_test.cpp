// Property values as report-file text, per kind.
#include <gtest/gtest.h>

#include "report/objects/property_text.h"
#include "report/objects/property_value.h"
#include "report/options/report_options.h"
#include "test_classes.h"

namespace {

const TrpPropertyDescriptor& memoProperty(const char* name) {
  return *TestMemo::StaticClassInfo().FindAnyProperty(QLatin1String(name));
}

struct TextCase {
  const char* Property;
  QVariant Value;
  const char* Text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.Property << "=" << c.Text; }

class PropertyTexts : public ::testing::TestWithParam<TextCase> {};

}  // namespace

TEST_P(PropertyTexts, ValueIsWrittenAsTheFileHoldsIt) {
  EXPECT_EQ(rpPropertyText(memoProperty(GetParam().Property), GetParam().Value), GetParam().Text);
}

TEST_P(PropertyTexts, WrittenTextReadsBackAsTheSameValue) {
  const TrpPropertyDescriptor& d = memoProperty(GetParam().Property);
  const auto back = rpPropertyFromText(d, QString::fromUtf8(GetParam().Text));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(rpPropertyText(d, *back), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PropertyTexts,
    ::testing::Values(TextCase{"GapX", 3, "3"}, TextCase{"Tag", -13777, "-13777"},
                      TextCase{"Color", 0x0000FF, "255"},
                      TextCase{"Restrictions", 5, "5"},
                      TextCase{"HAlign", int(haCenter), "haCenter"},
                      TextCase{"Visible", false, "False"},
                      TextCase{"AutoWidth", true, "True"},
                      TextCase{"Left", rpToVariant(5.000625L), "5.000625"},
                      TextCase{"Left", rpToVariant(0.0L), "0"},
                      TextCase{"Text", QStringLiteral("第一行\r\n第二行"), "第一行\r\n第二行"}));

TEST(PropertyTextReading, EnumerationsReadFromNumbersOrIdentifiersInAnyCase) {
  const TrpPropertyDescriptor& halign = memoProperty("HAlign");
  EXPECT_EQ(rpPropertyFromText(halign, "2"), QVariant(int(haCenter)));
  EXPECT_EQ(rpPropertyFromText(halign, "HACENTER"), QVariant(int(haCenter)));
  EXPECT_EQ(rpPropertyFromText(halign, "haMiddle"), std::nullopt);
}

TEST(PropertyTextReading, NumbersOutsideTheEnumerationOrSetAreRefused) {
  const TrpPropertyDescriptor& halign = memoProperty("HAlign");
  EXPECT_EQ(rpPropertyText(halign, 9), QStringLiteral("9"));  // written as it stands
  EXPECT_EQ(rpPropertyFromText(halign, "9"), std::nullopt);
  EXPECT_EQ(rpPropertyFromText(halign, "-1"), std::nullopt);
  const TrpPropertyDescriptor& style = *TrpFont::StaticClassInfo().FindProperty("Style");
  EXPECT_EQ(rpPropertyFromText(style, "15"), QVariant(15));
  EXPECT_EQ(rpPropertyFromText(style, "16"), std::nullopt);
  EXPECT_EQ(rpPropertyFromText(style, "-1"), std::nullopt);
}

TEST(PropertyTextReading, SetsReadFromTheirBitMask) {
  const TrpPropertyDescriptor& style = *TrpFont::StaticClassInfo().FindProperty("Style");
  TrpFont font;
  style.Set(font, *rpPropertyFromText(style, "3"));
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
}

TEST(PropertyTextReading, BooleansReadFromNamesOrNumbers) {
  const TrpPropertyDescriptor& visible = memoProperty("Visible");
  EXPECT_EQ(rpPropertyFromText(visible, "true"), QVariant(true));
  EXPECT_EQ(rpPropertyFromText(visible, "0"), QVariant(false));
  EXPECT_EQ(rpPropertyFromText(visible, "1"), QVariant(true));
  EXPECT_EQ(rpPropertyFromText(visible, "yes"), std::nullopt);
}

TEST(PropertyTextReading, FloatsAcceptEitherDecimalSeparator) {
  const TrpPropertyDescriptor& left = memoProperty("Left");
  EXPECT_EQ(rpVariantToFloat(*rpPropertyFromText(left, "12,5")), 12.5L);
  EXPECT_EQ(rpPropertyFromText(left, "twelve"), std::nullopt);
}

TEST(PropertyTextReading, UnreadableIntegersAreRefused) {
  EXPECT_EQ(rpPropertyFromText(memoProperty("GapX"), "3px"), std::nullopt);
  EXPECT_EQ(rpPropertyFromText(memoProperty("GapX"), ""), std::nullopt);
}

TEST(PropertyTextReading, TextListsSplitAtLineBreaksAndJoinWithCrLf) {
  const TrpPropertyDescriptor& description =
      *TrpReportOptions::StaticClassInfo().FindProperty("Description");
  EXPECT_EQ(rpPropertyFromText(description, "a\r\nb\nc"), QVariant(QStringList{"a", "b", "c"}));
  EXPECT_EQ(rpPropertyFromText(description, ""), QVariant(QStringList{}));
  EXPECT_EQ(rpPropertyText(description, QStringList{"a", "", "b"}), "a\r\n\r\nb");
}
