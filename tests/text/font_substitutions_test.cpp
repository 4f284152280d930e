// The stored font names resolve to installed faces of the same kind.
#include <QFont>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include "report/text/font_substitutions.h"
#include "qstring_printer.h"

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

}  // namespace
