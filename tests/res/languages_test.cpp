#include "report/res/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Files created beside the test program for one test, removed again afterwards. Tests may run
// side by side, so each test uses names of its own and looks only for those.
class FilesBesideProgram {
 public:
  explicit FilesBesideProgram(const QStringList& names) {
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& name : names) {
      const QString path = dir.filePath(name);
      QFile file(path);
      if (file.open(QIODevice::WriteOnly)) FPaths << path;
    }
  }
  ~FilesBesideProgram() {
    for (const QString& path : FPaths) QFile::remove(path);
  }
  int Created() const { return static_cast<int>(FPaths.size()); }

 private:
  QStringList FPaths;
};

TEST(Languages, EveryRplFileBesideTheProgramGivesACapitalisedName) {
  FilesBesideProgram files({"GERMAN.RPL", "french.rpl", "Chinese.Rpl", "notes.txt", "spanish.rpl.bak"});
  ASSERT_EQ(files.Created(), 5);
  TrpResources r;
  const QStringList& names = r.Languages();
  for (const char* name : {"Chinese", "French", "German"}) EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
  for (const char* name : {"Notes", "Notes.txt", "Spanish", "Spanish.rpl.bak"}) {
    EXPECT_FALSE(names.contains(QLatin1String(name), Qt::CaseInsensitive)) << name;
  }
  QStringList sorted = names;
  sorted.sort(Qt::CaseInsensitive);
  EXPECT_EQ(names, sorted);
}

TEST(Languages, OnlyTheFirstExtensionIsRemoved) {
  FilesBesideProgram files({"odd.rpl.rpl"});
  ASSERT_EQ(files.Created(), 1);
  TrpResources r;
  EXPECT_TRUE(r.Languages().contains(QStringLiteral("Odd.rpl")));
}

TEST(Languages, RebuildingFollowsTheFolder) {
  TrpResources r;
  EXPECT_FALSE(r.Languages().contains(QStringLiteral("Zulu")));
  {
    FilesBesideProgram files({"zulu.rpl"});
    r.BuildLanguagesList();
    EXPECT_TRUE(r.Languages().contains(QStringLiteral("Zulu")));
  }
  r.BuildLanguagesList();
  EXPECT_FALSE(r.Languages().contains(QStringLiteral("Zulu")));
}

TEST(Languages, NoLanguageFileIsLoadedOnItsOwn) {
  QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("greek.rpl")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<?xml version=\"1.1\"?><Resources CodePage=\"1253\"><StrRes Name=\"1\" Text=\"Entaxei\"/></Resources>");
  file.close();
  TrpResources r;
  file.remove();
  EXPECT_EQ(r.Count(), 0);
  EXPECT_TRUE(r.Languages().contains(QStringLiteral("Greek")));
}

}  // namespace
