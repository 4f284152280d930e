// Answers kept for the very strings they were asked with.
#include "report/objects/shared_text_cache.h"

#include <gtest/gtest.h>

TEST(SharedTextCache, AnswersOnlyForTheKeptStringsOwnStorage) {
  TrpSharedTextCache<int, 4> cache;
  const QString alias = QStringLiteral("m") + QString::number(12);  // allocated, as aliases are
  cache.Keep(alias, 7);
  const QString shared = alias;  // the same storage
  const QString copy = QString(alias.constData(), alias.size());  // same characters, own storage
  QString changed = alias;
  changed[0] = u'b';  // detached by the change
  struct Case {
    const char* Name;
    const QString& Asked;
    bool Found;
  } cases[] = {
      {"the kept string", alias, true},
      {"a copy sharing its storage", shared, true},
      {"equal characters in other storage", copy, false},
      {"a changed copy", changed, false},
  };
  for (const Case& c : cases) {
    const int* found = cache.Find(c.Asked);
    EXPECT_EQ(found != nullptr, c.Found) << c.Name;
    if (found) {
      EXPECT_EQ(*found, 7) << c.Name;
    }
  }
  // Literals and empty names are never kept: nothing holds a literal's storage.
  cache.Keep(QStringLiteral("b1"), 1);
  EXPECT_EQ(cache.Find(QStringLiteral("b1")), nullptr);
  cache.Keep(QString(), 2);
  EXPECT_EQ(cache.Find(QString()), nullptr);
  cache.Clear();
  EXPECT_EQ(cache.Find(alias), nullptr);
}
