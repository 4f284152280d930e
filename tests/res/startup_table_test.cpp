#include "report/res/resources.h"
#include "report/res/startup_strings.h"

#include "script_engine/front/script_messages.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TrpResources& startupTable() {
  static TrpResources r;
  static const bool loaded = (r.AddXML(rpStartupXML()), true);
  Q_UNUSED(loaded);
  return r;
}

TEST(StartupTable, Holds233Entries) {
  EXPECT_EQ(rpResources()->Count(), 233);
  EXPECT_EQ(static_cast<int>(rpStartupStrings().size()), 233);
}

TEST(StartupTable, IdentifiersAreDistinctRegardlessOfCase) {
  QSet<QString> seen;
  for (const auto& s : rpStartupStrings()) {
    EXPECT_FALSE(seen.contains(QString::fromUtf8(s.name).toCaseFolded())) << s.name;
    seen.insert(QString::fromUtf8(s.name).toCaseFolded());
  }
}

TEST(StartupTable, IsOneLineOfXmlInTheCarriedForm) {
  const QByteArray& xml = rpStartupXML();
  EXPECT_TRUE(xml.startsWith("<?xml version=\"1.1\" encoding=\"utf-8\"?><Resources CodePage=\"1252\"><StrRes "));
  EXPECT_TRUE(xml.endsWith("/></Resources>"));
  EXPECT_FALSE(xml.contains('\n'));
  EXPECT_FALSE(xml.contains("> <"));
  EXPECT_EQ(xml.count("<StrRes "), 233);
}

TEST(StartupTable, EveryCarriedTextReadsBackUnchanged) {
  const TrpResources& r = startupTable();
  for (const auto& s : rpStartupStrings()) {
    QString expected = QString::fromUtf8(s.text);
    if (expected.startsWith(u'!')) expected.remove(0, 1);
    EXPECT_EQ(r.Get(QString::fromUtf8(s.name)), expected) << s.name;
  }
  EXPECT_EQ(r.CodePage(), 1252);
}

struct Entry {
  const char* id;
  const char* text;
};

void PrintTo(const Entry& e, std::ostream* os) { *os << e.id; }

class StartupText : public ::testing::TestWithParam<Entry> {};

TEST_P(StartupText, ReadsAsTheUserSeesIt) {
  EXPECT_EQ(rpResources()->Get(QString::fromUtf8(GetParam().id)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StartupText,
    ::testing::Values(Entry{"207", "Other"}, Entry{"211", "Order"}, Entry{"poDirect", "Direct (1-9)"},
                      Entry{"poReverse", "Reverse (9-1)"}, Entry{"510", "Printer file (*.prn)|*.prn"},
                      Entry{"9", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
                      Entry{"ZMPAGEWIDTH", "Page width"}, Entry{"clRPPfiles", "Prepared Report"},
                      Entry{"clErrors", "The following error(s) have occured:"}, Entry{"uChar", "chr"},
                      Entry{"SStringError", "Strings do not have properties or methods"},
                      Entry{"clDSNotIncl", "(dataset is not included in Report.DataSets)"},
                      Entry{"Code39 Extended", "Code39 Extended"}, Entry{"2_5_matrix", "2_5_matrix"},
                      Entry{"Overlay", "Overlay"},
                      // identifiers the system asks for but the table does not hold
                      Entry{"6000", "6000"}, Entry{"6003", "6003"}, Entry{"obRepPage", "obRepPage"},
                      Entry{"prDupl", "prDupl"}, Entry{"clDecryptError", "clDecryptError"}));

TEST(StartupTable, RpGetLooksUpTheDecimalForm) {
  EXPECT_EQ(rpGet(101), QStringLiteral("Print"));
  EXPECT_EQ(rpGet(207), QStringLiteral("Other"));
  EXPECT_EQ(rpGet(6001), QStringLiteral("6001"));
}

TEST(StartupTable, ReplacingAnEntryKeepsTheCount) {
  TrpResources r;
  r.AddXML(rpStartupXML());
  r.Add(QStringLiteral("ppAll"), QStringLiteral("Every page"));
  EXPECT_EQ(r.Count(), 233);
  EXPECT_EQ(r.Get(QStringLiteral("ppAll")), QStringLiteral("Every page"));
}

TEST(ScriptMessages, LoadingTheTableCopiesTheSeventeenTexts) {
  scMessages::Reset();
  ASSERT_EQ(scMessages::Names().size(), 17);
  TrpResources r;
  r.AddXML(rpStartupXML());
  for (const QString& name : scMessages::Names()) EXPECT_EQ(scMessages::Text(name), r.Get(name)) << qPrintable(name);
  EXPECT_EQ(scMessages::Text(QStringLiteral("SStringError")),
            QStringLiteral("Strings do not have properties or methods"));
}

TEST(ScriptMessages, ATranslatedEntryReachesTheScriptEngine) {
  TrpResources r;
  r.AddXML(rpStartupXML());
  r.Add(QStringLiteral("SVarRequired"), QStringLiteral("Variable erwartet"));
  r.UpdateFSResources();
  EXPECT_EQ(scMessages::Text(QStringLiteral("SVarRequired")), QStringLiteral("Variable erwartet"));
  scMessages::Reset();
}

}  // namespace
