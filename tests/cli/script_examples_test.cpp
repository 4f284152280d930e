// Example reports whose scripts use the script classes and dialog pages, run by the tool: the
// word list kept in a sorted string list, and the title dialog answered from the command line.
#include <QFile>

#include "report_tool_fixture.h"

namespace {

class ScriptExamples : public ReportToolTest {
 protected:
  QString ExportedText(const QStringList& arguments) {
    const QString out = PathOf("out.txt");
    QFile::remove(out);
    QStringList all{"export"};
    all << arguments << "--format" << "txt" << "-o" << out;
    if (Run(all) != rtOk) return QStringLiteral("failed: ") + Err;
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
  }
};

TEST_F(ScriptExamples, TheWordListComesSortedWithoutDuplicates) {
  EXPECT_EQ(ExportedText({STROVAL_EXAMPLES_DIR "/word-list.xml"}),
            QStringLiteral("This week's words 1. 和平 2. 學校 3. 朋友 4. 永遠 5. 老師 "
                           "5 different words: 和平,學校,朋友,永遠,老師"));
}

// The script moves each low mark left, shows its flag, and sums the marks the summary prints.
TEST_F(ScriptExamples, TheMarksScriptMovesHidesAndSums) {
  ASSERT_EQ(Run({"prepare", STROVAL_EXAMPLES_DIR "/marks-script.xml", "-o", PathOf("marks.rpp")}), rtOk) << Err;
  const QString text = ExportedText({PathOf("marks.rpp")});
  EXPECT_TRUE(text.contains(QStringLiteral("Berg, Anna below 80 78"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("王小明 86"))) << text.toStdString();
  EXPECT_EQ(text.count(QStringLiteral("below 80")), 4);  // three rows and the summary
  EXPECT_TRUE(text.endsWith(QStringLiteral("Total 684, 3 below 80"))) << text.toStdString();
}

TEST_F(ScriptExamples, ParamsAnswerTheDialogPage) {
  const QString report = QStringLiteral(STROVAL_EXAMPLES_DIR "/title-dialog.xml");
  EXPECT_EQ(ExportedText({report}), QStringLiteral("Week 12 Class 3B"));
  EXPECT_EQ(ExportedText({report, "--param", "Edit1=Spring words 春天", "--param", "CheckBox1=no"}),
            QStringLiteral("Spring words 春天"));
  const struct {
    const char* param;
    const char* message;
  } refused[] = {
      {"Nope=1", "--param: the report has no dialog control \"Nope\""},
      {"CheckBox1=maybe", "--param: CheckBox1 is a check box: true or false, not \"maybe\""},
      {"Label1=x", "--param: \"Label1\" takes no answer"},
      {"Edit1", "--param takes NAME=VALUE, not \"Edit1\""},
  };
  for (const auto& r : refused) {
    EXPECT_EQ(Run({"export", report, "--format", "txt", "-o", PathOf("x.txt"), "--param", r.param}), rtFailed);
    EXPECT_TRUE(Err.contains(QString::fromUtf8(r.message))) << Err.toStdString();
  }
}

}  // namespace
