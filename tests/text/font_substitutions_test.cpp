// The stored font names resolve to installed faces of the same kind.
#include <QFont>
#include <QFontInfo>
#include <QStringList>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "report/text/font_substitutions.h"

namespace {

struct Resolution {
  const char* stored;
  const char* installed;
};

TEST(FontSubstitutions, StoredNamesResolveToInstalledFaces) {
  const Resolution table[] = {
      {"標楷體", "AR PL UKai TW"},
      {"華康標楷筆順體", "AR PL UKai TW"},
      {"新細明體", "AR PL UMing TW"},
      {"細明體", "AR PL UMing TW"},
      {"Tahoma", "DejaVu Sans"},
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
  };
  for (const Resolution& r : table) {
    const QFont font(QString::fromUtf8(r.stored), 12);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(r.installed)) << r.stored;
  }
}

TEST(FontSubstitutions, RegisteringAgainKeepsOneListPerName) {
  const QStringList before = QFont::substitutes(QStringLiteral("標楷體"));
  stroval::RegisterFontSubstitutions();
  EXPECT_EQ(QFont::substitutes(QStringLiteral("標楷體")), before);
  ASSERT_FALSE(before.isEmpty());
  EXPECT_EQ(before.front().compare(QStringLiteral("AR PL UKai TW"), Qt::CaseInsensitive), 0);
}

// The fontconfig file the package installs: with it, fontconfig itself (fc-match, so every
// program on the system) finds the same face for each stored name as the program does.
TEST(FontSubstitutions, TheFontconfigFileLeadsFontconfigToTheSameFaces) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ours = dir.filePath(QStringLiteral("65-stroval.conf"));
  const QString config = dir.filePath(QStringLiteral("fonts.conf"));
  QFile file(ours);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(stroval::FontconfigSubstitutions().toUtf8());
  file.close();
  QFile main(config);
  ASSERT_TRUE(main.open(QIODevice::WriteOnly));
  main.write(QStringLiteral("<?xml version=\"1.0\"?><fontconfig><include>/etc/fonts/fonts.conf</include>"
                            "<include>%1</include></fontconfig>").arg(ours).toUtf8());
  main.close();
  for (const stroval::FontSubstitution& s : stroval::FontSubstitutions()) {
    QProcess match;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), config);
    match.setProcessEnvironment(environment);
    match.start(QStringLiteral("fc-match"), {QStringLiteral("-f"), QStringLiteral("%{family}"), QString::fromUtf8(s.family)});
    ASSERT_TRUE(match.waitForFinished(10000)) << s.family;
    const QString family = QString::fromUtf8(match.readAllStandardOutput()).section(u',', 0, 0);
    EXPECT_EQ(family, QString::fromUtf8(s.substitutes[0])) << s.family;
  }
}

}  // namespace
