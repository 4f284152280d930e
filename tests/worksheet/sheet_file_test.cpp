// The sheet file: what is saved is opened again unchanged; a damaged file, a file of another
// program and one of another version are told apart and give no sheet.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "worksheet/sheet_file.h"

namespace {

using stroval::WorksheetSheet;

WorksheetSheet ComposedSheet() {
  WorksheetSheet sheet;
  sheet.title = QStringLiteral("Orlavo School [3A]");
  sheet.word = QStringLiteral("永字八法");
  sheet.palette = QStringLiteral("永字");
  sheet.font.font.setFamily(QStringLiteral("AR PL UKai TW"));
  sheet.font.font.setPointSizeF(48.5);
  sheet.font.font.setItalic(true);
  sheet.font.color = QColor(0x12, 0x34, 0x56);
  sheet.guides = stroval::GuideStyle::CrossAndDiagonals;
  sheet.traceCount = 3;
  sheet.Drop(1, 1, QStringLiteral("永"));
  sheet.Drop(5, 4, QStringLiteral("字"));
  return sheet;
}

TEST(SheetFile, ASavedSheetOpensUnchanged) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("week.stws"));
  const WorksheetSheet sheet = ComposedSheet();
  QString error;
  ASSERT_TRUE(stroval::SaveSheetFile(sheet, path, error)) << error.toStdString();
  const std::optional<WorksheetSheet> opened = stroval::LoadSheetFile(path, error);
  ASSERT_TRUE(opened.has_value()) << error.toStdString();
  EXPECT_EQ(*opened, sheet);
  EXPECT_EQ(opened->Cell(2, 1), (stroval::SheetCell{QStringLiteral("永"), true}));
  // Saved again, it is the same file byte for byte.
  EXPECT_EQ(stroval::SheetToJson(*opened), stroval::SheetToJson(sheet));
}

TEST(SheetFile, ADefaultSheetOpensUnchanged) {
  QString error;
  const std::optional<WorksheetSheet> opened = stroval::SheetFromJson(stroval::SheetToJson({}), error);
  ASSERT_TRUE(opened.has_value()) << error.toStdString();
  EXPECT_EQ(*opened, WorksheetSheet{});
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  const char* message;  // a part of the message
};

QByteArray Edited(const char* from, const char* to) {
  QByteArray json = stroval::SheetToJson(ComposedSheet());
  json.replace(from, to);
  return json;
}

TEST(SheetFile, DamagedForeignAndNewerFilesAreRefusedWithAReason) {
  const QByteArray good = stroval::SheetToJson(ComposedSheet());
  const BadFile cases[] = {
      {"cut short", good.left(good.size() / 2), "the file is damaged ("},
      {"not JSON", QByteArray("\x89PNG\r\n\x1a\n", 8), "the file is damaged ("},
      {"empty", QByteArray(), "the file is damaged ("},
      {"another program's JSON", R"({"name": "x", "version": 1})", "not a Stroval worksheet"},
      {"a JSON list", "[1, 2]", "not a Stroval worksheet"},
      {"a later version", Edited("\"version\": 1", "\"version\": 2"), "another version"},
      {"guide style", Edited("\"mi\"", "\"zig\""), "the guide style is unknown"},
      {"trace count", Edited("\"trace\": 3", "\"trace\": 9"), "\"trace\" is not a whole number from 0 to 7"},
      {"cell column", Edited("\"column\": 5", "\"column\": 9"), "\"column\" is not a whole number from 1 to 8"},
      {"cell text", Edited("\"character\": \"字\"", "\"character\": \"字字\""), "more than one character"},
      {"missing title", Edited("\"title\"", "\"heading\""), "\"title\" is missing"},
      {"font colour", Edited("#123456", "#12345"), "the font colour is not a colour"},
  };
  for (const BadFile& c : cases) {
    QString error;
    EXPECT_FALSE(stroval::SheetFromJson(c.bytes, error).has_value()) << c.name;
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.message))) << c.name << ": " << error.toStdString();
  }
}

TEST(SheetFile, AMissingFileGivesNoSheet) {
  QTemporaryDir dir;
  QString error;
  EXPECT_FALSE(stroval::LoadSheetFile(dir.filePath(QStringLiteral("gone.stws")), error).has_value());
  EXPECT_FALSE(error.isEmpty());
}

TEST(SheetFile, ASaveIntoAMissingFolderFailsWithAReason) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("inside/no-such-folder/week.stws"));
  QString error;
  EXPECT_FALSE(stroval::SaveSheetFile(ComposedSheet(), path, error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
