// stroval-report export: a definition (prepared first) or a prepared report written as PDF,
// pictures or text, the format named or taken from the output's extension.
#include <QDir>
#include <QFile>
#include <QImage>

#include "report_tool_fixture.h"

namespace {

class ExportCommand : public ReportToolTest {};

TEST_F(ExportCommand, WritesEachFormatFromADefinitionOrAPreparedReport) {
  const QString definition = SaveSample(QStringLiteral("in.xml"));
  ASSERT_EQ(Run({"prepare", definition, "-o", PathOf("in.rpp")}), rtOk) << Err;
  struct Case {
    QStringList Arguments;
    QStringList Files;  // written, as the tool lists them
    const char* Header;  // the first bytes of each
  };
  const std::vector<Case> cases{
      {{"export", definition, "--format", "pdf", "-o", PathOf("a.out")}, {}, "%PDF-"},
      {{"export", PathOf("in.rpp"), "-o", PathOf("b.pdf"), "--pages", "1"}, {}, "%PDF-"},
      {{"export", definition, "-o", PathOf("c.txt")}, {}, ""},
      {{"export", PathOf("in.rpp"), "-o", PathOf("d.png"), "--dpi", "48"}, {PathOf("d-001.png")}, "\x89PNG"},
      {{"export", definition, "--format", "jpeg", "-o", PathOf("e.jpg")}, {PathOf("e-001.jpg")}, "\xFF\xD8"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Run(c.Arguments), rtOk) << c.Arguments.join(' ') << '\n' << Err;
    EXPECT_TRUE(Out.endsWith(QStringLiteral("1 page(s) exported to %1\n").arg(c.Arguments[c.Arguments.indexOf("-o") + 1])))
        << Out;
    const QStringList files = c.Files.isEmpty() ? QStringList{c.Arguments[c.Arguments.indexOf("-o") + 1]} : c.Files;
    for (const QString& name : c.Files) EXPECT_TRUE(Out.contains(name + '\n')) << Out;
    for (const QString& name : files) {
      QFile file(name);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
      EXPECT_TRUE(file.readAll().startsWith(c.Header)) << name;
    }
  }
  QFile text(PathOf("c.txt"));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains(QStringLiteral("練習 & <test>"))) << PathOf("c.txt");
  EXPECT_EQ(QImage(PathOf("d-001.png")).width(), 397);  // A4 at half the preview's resolution
}

// The dot-matrix example receipt comes out as the text a text-mode printer prints, row by row.
TEST_F(ExportCommand, TheDotMatrixReceiptIsItsPrintedText) {
  ASSERT_EQ(Run({"export", STROVAL_EXAMPLES_DIR "/receipt-dmp.xml", "-o", PathOf("receipt.txt")}), rtOk) << Err;
  QFile file(PathOf("receipt.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()).split(u'\n'),
            (QStringList{"",
                         " STROVAL STATIONERY",
                         "         12 Brush Lane, Tainan",
                         "",
                         " Receipt 1024",
                         " --------------------------------------",
                         " 1. Practice sheets, 10 pcs          35",
                         " 2. Practice sheets, 20 pcs          70",
                         " 3. Practice sheets, 30 pcs         105",
                         " 4. Practice sheets, 40 pcs         140",
                         " --------------------------------------",
                         " TOTAL                              350",
                         "",
                         "               Thank you!",
                         ""}));
}

}  // namespace
