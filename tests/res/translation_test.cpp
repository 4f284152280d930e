// The Traditional-Chinese (Taiwan) language file: an entry for every identifier of the English
// table, the same placeholders, and the terms Taiwanese users read.
#include "report/res/startup_strings.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace {

QMap<QString, QString> ReadLanguageFile(const QString& path) {
  QMap<QString, QString> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  TrpXMLDocument doc;
  doc.LoadFromStream(&file);
  const TrpXMLItem* root = doc.Root();
  for (int i = 0; i < root->Count(); ++i) {
    const TrpXMLItem* item = root->Items(i);
    entries.insert(item->Prop(QStringLiteral("Name")), rpXMLToStr(item->Prop(QStringLiteral("Text"))));
  }
  return entries;
}

const QMap<QString, QString>& TaiwanTable() {
  static const QMap<QString, QString> table =
      ReadLanguageFile(QStringLiteral(STROVAL_LANGUAGES_DIR "/zh_TW.rpl"));
  return table;
}

// "%d of %s, 100%%" -> {"%d", "%s", "%%"}: what rpFormat fills, in order.
QStringList Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%[ds%]"));
  QStringList found;
  for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured();
  return found;
}

// Names of kinds that read the same in every language: barcode standards and the zoom of 100%.
bool SameInEveryLanguage(const QString& name) {
  static const QRegularExpression kinds(QStringLiteral("^(2_5_|Code|MSI|PostNet|Codebar|EAN|UPC)"));
  return kinds.match(name).hasMatch() || name == QLatin1String("115") || name == QLatin1String("116");
}

TEST(TaiwanTranslation, HasEveryIdentifierOfTheTableAndNoOther) {
  const auto& table = TaiwanTable();
  ASSERT_FALSE(table.isEmpty());
  for (const TrpStartupString& s : rpStartupStrings())
    EXPECT_TRUE(table.contains(QString::fromUtf8(s.name))) << s.name;
  EXPECT_EQ(table.size(), static_cast<int>(rpStartupStrings().size()));
}

TEST(TaiwanTranslation, KeepsThePlaceholdersOfTheEnglishText) {
  for (const TrpStartupString& s : rpStartupStrings()) {
    const QString name = QString::fromUtf8(s.name);
    EXPECT_EQ(Placeholders(TaiwanTable().value(name)), Placeholders(QString::fromUtf8(s.text))) << s.name;
  }
}

TEST(TaiwanTranslation, TranslatesEveryTextButTheNamesOfStandards) {
  static const QRegularExpression han(QStringLiteral("\\p{Han}"));
  for (const TrpStartupString& s : rpStartupStrings()) {
    const QString name = QString::fromUtf8(s.name);
    const QString text = TaiwanTable().value(name);
    if (SameInEveryLanguage(name))
      EXPECT_EQ(text, QString::fromUtf8(s.text)) << s.name;
    else
      EXPECT_TRUE(text.contains(han)) << s.name << ": " << text.toStdString();
  }
}

TEST(TaiwanTranslation, UsesTheTermsTaiwaneseUsersRead) {
  const struct {
    const char* name;
    const char* text;
  } terms[] = {
      {"100", "預覽"},       {"101", "列印"},         {"103", "開啟"},     {"105", "儲存"},
      {"107", "匯出"},       {"109", "尋找"},         {"119", "縮放"},     {"1", "確定"},
      {"2", "取消"},         {"201", "印表機"},       {"130", "縮圖"},     {"150", "全螢幕"},
      {"clPageOf", "第 %d 頁，共 %d 頁"},             {"prRunning", "正在產生第 %d 頁"},
      {"prPrinting", "正在列印第 %d 頁"},             {"clRPPfiles", "已產生的報表"},
      {"510", "印表機檔案 (*.prn)|*.prn"},           {"uInch", "英吋"},
  };
  for (const auto& t : terms) EXPECT_EQ(TaiwanTable().value(QString::fromUtf8(t.name)), QString::fromUtf8(t.text)) << t.name;
}

}  // namespace
