// Switching the table to a language file found by the language list, from the program's folder
// or the installed data folder, and the language a locale asks for.
#include "report/res/languages.h"
#include "report/res/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace {

// The Taiwan file copied into `folder` as `name` for one test; the folder is made when missing
// and removed again, with the empty folders above it, when it was made here.
class CopiedLanguageFile {
 public:
  CopiedLanguageFile(const QString& folder, const QString& name) : FPath(QDir(folder).filePath(name)) {
    FMadeFolder = !QDir(folder).exists() && QDir().mkpath(folder);
    FFolder = folder;
    QFile::remove(FPath);
    QFile::copy(QStringLiteral(STROVAL_LANGUAGES_DIR "/zh_TW.rpl"), FPath);
  }
  ~CopiedLanguageFile() {
    QFile::remove(FPath);
    if (FMadeFolder) QDir().rmpath(FFolder);
  }
  bool Exists() const { return QFile::exists(FPath); }

 private:
  QString FPath;
  QString FFolder;
  bool FMadeFolder = false;
};

// The script messages are process-wide: a test that loads another language puts English back.
class LanguageChoice : public ::testing::Test {
 protected:
  void TearDown() override { TrpResources().LoadLanguage(rpEnglishLanguage()); }
};

TEST_F(LanguageChoice, LoadsAListedLanguageOverTheEnglishTableAndBack) {
  CopiedLanguageFile file(QCoreApplication::applicationDirPath(), QStringLiteral("formosa.rpl"));
  ASSERT_TRUE(file.Exists());
  TrpResources r;
  ASSERT_TRUE(r.Languages().contains(QStringLiteral("Formosa")));
  ASSERT_TRUE(r.LoadLanguage(QStringLiteral("FORMOSA")));
  EXPECT_EQ(r.Count(), 233);
  EXPECT_EQ(r.Get(QStringLiteral("101")), QStringLiteral("列印"));
  EXPECT_EQ(r.Get(QStringLiteral("clPageOf")), QStringLiteral("第 %d 頁，共 %d 頁"));
  ASSERT_TRUE(r.LoadLanguage(QStringLiteral("english")));
  EXPECT_EQ(r.Count(), 233);
  EXPECT_EQ(r.Get(QStringLiteral("101")), QStringLiteral("Print"));
}

TEST_F(LanguageChoice, ALanguageNotListedChangesNothing) {
  TrpResources r;
  r.Add(QStringLiteral("101"), QStringLiteral("Drucken"));
  EXPECT_FALSE(r.LoadLanguage(QStringLiteral("Klingon")));
  EXPECT_EQ(r.Get(QStringLiteral("101")), QStringLiteral("Drucken"));
  EXPECT_EQ(r.Count(), 1);
}

TEST_F(LanguageChoice, FindsLanguagesInTheInstalledDataFolder) {
  const QString folder = rpLanguageFolders().value(1);
  ASSERT_TRUE(folder.endsWith(QLatin1String("share/stroval/languages")));
  CopiedLanguageFile file(folder, QStringLiteral("ilha.rpl"));
  ASSERT_TRUE(file.Exists());
  TrpResources r;
  ASSERT_TRUE(r.Languages().contains(QStringLiteral("Ilha")));
  EXPECT_EQ(r.LanguageFile(QStringLiteral("ilha")), QDir(folder).filePath(QStringLiteral("ilha.rpl")));
  ASSERT_TRUE(r.LoadLanguage(QStringLiteral("Ilha")));
  EXPECT_EQ(r.Get(QStringLiteral("119")), QStringLiteral("縮放"));
}

TEST(LanguageForLocale, TakesTheFirstLanguageOfTheLocaleThatAFileOrEnglishAnswers) {
  const QStringList files{QStringLiteral("De"), QStringLiteral("Zh_tw")};
  const struct {
    const char* locale;
    const char* language;
  } cases[] = {
      {"zh_TW", "Zh_tw"},  // language and territory
      {"de_AT", "De"},     // the language alone
      {"zh_CN", ""},       // Simplified Chinese is not Taiwan's
      {"zh_HK", ""},
      {"en_US", ""},
      {"fr_FR", ""},
      {"C", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rpLanguageForLocale(files, QLocale(QString::fromLatin1(c.locale))), QString::fromLatin1(c.language))
        << c.locale;
  }
}

}  // namespace
