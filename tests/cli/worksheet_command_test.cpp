// stroval-report worksheet: a word list becomes one PDF with one sheet a word, in the list's
// order; a word too long for a sheet is refused with its line; a wrong command line says why.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "report_tool_fixture.h"

namespace {

class WorksheetCommand : public ReportToolTest {
 protected:
  void SetUp() override {
    ReportToolTest::SetUp();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "poppler-utils are not installed (scripts/install-deps.sh)";
  }
  // The standard output of a poppler tool.
  static QString Tool(const char* name, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(name), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << name;
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  QString WriteWords(const QStringList& words) { return WriteFile("words.txt", words.join(u'\n').toUtf8() + '\n'); }
};

// Forty different words of one to four characters.
QStringList FortyWords() {
  const QString characters = QStringLiteral(
      "天地人你我他上下大小山水火木日月田目耳口手足中文花草雨雲風電車馬牛羊魚鳥米竹石土金"
      "春夏秋冬東南西北左右");
  QStringList words;
  for (int i = 0; i < 40; ++i) {
    const int length = i % 4 + 1;
    QString word;
    for (int k = 0; k < length; ++k) word += characters.at((i * 7 + k * 13) % characters.size());
    words << word;
  }
  return words;
}

// A page's text without its spaces, title and captions: the cells' characters in reading order.
QString CellText(QString page, const QString& title) {
  page.remove(QRegularExpression(QStringLiteral("\\s")));
  for (const QString& fixed : {title, QStringLiteral("班別："), QStringLiteral("姓名："), QStringLiteral("日期：")})
    page.remove(fixed);
  return page;
}

TEST_F(WorksheetCommand, FortyWordsMakeFortyPagesEachHoldingItsWordInOrder) {
  const QStringList words = FortyWords();
  ASSERT_EQ(QStringList(words).removeDuplicates(), 0);
  const QString list = WriteWords(words);
  const QString pdf = PathOf("week.pdf");
  ASSERT_EQ(Run({"worksheet", "--words", list, "--title", "Week 7", "-o", pdf}), rtOk) << Err;
  EXPECT_TRUE(Out.contains("40 sheet(s) written to")) << Out;

  EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+40\\n"))));
  const QStringList pages = Tool("pdftotext", {pdf, QStringLiteral("-")}).split(u'\f');
  ASSERT_GE(pages.size(), 40);
  for (int i = 0; i < 40; ++i) {
    // Each character fills its own row, in both halves of the sheet.
    QString half;
    for (QChar character : words[i]) half += QString(8, character);
    EXPECT_EQ(CellText(pages[i], QStringLiteral("Week7")), half + half) << "page " << i + 1 << ": " << words[i];
    EXPECT_EQ(pages[i].count(QStringLiteral("Week 7")), 2) << "page " << i + 1;
  }
}

TEST_F(WorksheetCommand, GuidesAndTracingReachThePdf) {
  const QString pdf = PathOf("traced.pdf");
  ASSERT_EQ(Run({"worksheet", "--words", WriteWords({"永"}), "--title", "T", "--guides", "mi", "--trace", "2",
                 "--font", "AR PL UKai TW", "-o", pdf}),
            rtOk)
      << Err;
  // The model and two traced characters a half; the rest of the row is empty.
  EXPECT_EQ(CellText(Tool("pdftotext", {pdf, QStringLiteral("-")}), QStringLiteral("T")), QString(6, u'永'));
}

TEST_F(WorksheetCommand, AWordLongerThanASheetIsRefusedWithItsLine) {
  const QString pdf = PathOf("long.pdf");
  const QString list = WriteWords({"永", "", "一二三四五六七八九", "上"});
  EXPECT_EQ(Run({"worksheet", "--words", list, "--title", "T", "-o", pdf}), rtFailed);
  EXPECT_TRUE(Err.contains("line 3: \"一二三四五六七八九\" is longer than 8 characters")) << Err;
  EXPECT_FALSE(QFileInfo::exists(pdf));
}

struct WrongCase {
  QStringList Arguments;
  const char* Message;
  int Exit;
};

TEST_F(WorksheetCommand, AWrongCommandLineSaysWhatIsWrong) {
  const QString list = WriteWords({"永"});
  const WrongCase cases[] = {
      {{"worksheet", "--title", "T", "-o", "x.pdf"}, "worksheet needs --words FILE", rtUsage},
      {{"worksheet", "--words", list, "-o", "x.pdf"}, "worksheet needs --title TEXT", rtUsage},
      {{"worksheet", "--words", list, "--title", "T"}, "worksheet needs -o OUT.pdf", rtUsage},
      {{"worksheet", "--words", list, "--title", "T", "--guides", "zig", "-o", "x.pdf"},
       "--guides takes none, tian, mi or jiugong", rtUsage},
      {{"worksheet", "--words", list, "--title", "T", "--trace", "8", "-o", "x.pdf"},
       "--trace takes a number from 0 to 7", rtUsage},
      {{"worksheet", "--words", PathOf("none.txt"), "--title", "T", "-o", PathOf("x.pdf")}, "none.txt", rtFailed},
  };
  for (const WrongCase& c : cases) {
    EXPECT_EQ(Run(c.Arguments), c.Exit) << c.Arguments.join(' ');
    EXPECT_TRUE(Err.contains(QString::fromUtf8(c.Message))) << Err;
  }
}

}  // namespace
