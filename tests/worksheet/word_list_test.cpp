// Word lists: one word a line, blank lines passed over, a word longer than a sheet refused with
// its line number.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "worksheet/word_list.h"

namespace {

struct ListCase {
  const char* text;
  QStringList words;
  const char* error;  // a part of the message, or "" for none
};

TEST(WordList, LinesBecomeWordsOrARefusalWithTheLineNumber) {
  const ListCase cases[] = {
      {"永\n上學\n", {"永", "上學"}, ""},
      {"\xEF\xBB\xBF大小\r\n\r\n  多少 \r\n", {"大小", "多少"}, ""},
      {"一二三四五六七八", {"一二三四五六七八"}, ""},
      {"永\n\n一二三四五六七八九\n上", {}, "line 3: \"一二三四五六七八九\" is longer than 8 characters"},
      {"\n \n", {}, "the list holds no word"},
  };
  for (const ListCase& c : cases) {
    const stroval::WordList list = stroval::ReadWordList(QByteArray(c.text));
    if (*c.error) {
      EXPECT_TRUE(list.error.contains(QString::fromUtf8(c.error))) << list.error.toStdString();
    } else {
      EXPECT_EQ(list.error, QString());
      EXPECT_EQ(list.words, c.words) << c.text;
    }
  }
}

TEST(WordList, AMissingFileSaysSo) {
  QTemporaryDir dir;
  const stroval::WordList list = stroval::ReadWordListFile(dir.filePath(QStringLiteral("none.txt")));
  EXPECT_FALSE(list.error.isEmpty());
  EXPECT_TRUE(list.words.isEmpty());
}

}  // namespace
