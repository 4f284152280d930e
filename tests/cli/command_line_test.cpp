// stroval-report's command line: each command's generated help, missing values, unknown options
// (with the nearest one named), repeated options, "--" before a file name that starts with a
// dash, the version, and the exit codes of each.
#include <QRegularExpression>

#include "cli/command_line.h"
#include "report_tool_fixture.h"

namespace {

using CommandLine = ReportToolTest;

struct WrongCase {
  QStringList Arguments;
  const char* Message;
};

}  // namespace

TEST_F(CommandLine, EveryCommandHasAHelpMadeFromItsDefinition) {
  for (const TrpToolCommand& command : rpToolCommands()) {
    SCOPED_TRACE(command.Name.toStdString());
    ASSERT_EQ(Run({"help", command.Name}), rtOk) << Err;
    const QString help = Out;
    EXPECT_TRUE(help.startsWith("Usage: stroval-report " + command.Name + ' ' + command.Words)) << help;
    for (const TrpToolOption& option : command.Options)
      for (const QString& name : option.Names)
        EXPECT_TRUE(help.contains((name.size() == 1 ? "-" : "--") + name)) << help;
    if (command.Name == "help") continue;
    ASSERT_EQ(Run({command.Name, "--help"}), rtOk) << Err;
    EXPECT_EQ(Out, help);
  }
  // The overall usage lists every command.
  ASSERT_EQ(Run({"help"}), rtOk);
  for (const TrpToolCommand& command : rpToolCommands())
    EXPECT_TRUE(Out.contains("  " + command.Name + ' ')) << command.Name;
}

TEST_F(CommandLine, WrongCommandLinesSayWhatIsWrongAndExitWithTwo) {
  const WrongCase cases[] = {
      {{"check", "a.xml", "--password"}, "--password needs a value"},
      {{"prepare", "r.xml", "-o"}, "-o needs a value"},
      {{"render", "f.rpp", "--png"}, "--png needs a value"},
      {{"pdf", "f.rpp", "-o", "x.pdf", "--pages"}, "--pages needs a value"},
      {{"script", "a.pas", "--print"}, "--print needs at least one name"},
      {{"pdf", "f.rpp", "-o", "x.pdf", "--pagse", "2"}, "unknown option --pagse (did you mean --pages?)"},
      {{"render", "f.rpp", "--png", "d", "--zom", "2"}, "unknown option --zom (did you mean --zoom?)"},
      {{"print", "f.rpp", "--zoom", "2"}, "unknown option --zoom"},
      {{"check", "a.xml", "--colour"}, "unknown option --colour"},
      {{"--colour", "check", "a.xml"}, "unknown option --colour"},
      {{"frobnicate"}, "unknown command \"frobnicate\""},
      {{"help", "frobnicate"}, "unknown command \"frobnicate\""},
      {{"check"}, "check takes one file"},
      {{"resave", "a.xml"}, "resave takes an input and an output file"},
      {{"help", "check", "resave"}, "help takes at most one command"},
      {{"pdf", "f.rpp"}, "pdf needs -o OUT.pdf"},
      {{"prepare", "r.xml"}, "prepare takes a report and -o OUT.rpp"},
      {{"render", "f.rpp", "--png", "d", "--zoom", "0"}, "--zoom takes a number above 0, at most 20"},
      {{"print", "f.rpp", "--copies", "0"}, "--copies takes a number from 1 to 1000"},
      {{"print", "f.rpp", "--mode", "sideways"}, "--mode takes default, split, join or scale"},
      {{"export", "f.rpp", "-o", "x.gif"}, "--format takes pdf, png, jpeg or txt"},
      {{"export", "f.rpp", "--format", "pdf"}, "export needs -o OUT"},
      {{"export", "f.rpp", "-o", "x.txt", "--dpi", "72"}, "--dpi is for the png and jpeg formats"},
      {{"export", "f.rpp", "-o", "x.png", "--dpi", "0"}, "--dpi takes a number from 1 to 1200"},
  };
  for (const WrongCase& c : cases) {
    EXPECT_EQ(Run(c.Arguments), rtUsage) << c.Arguments.join(' ');
    EXPECT_TRUE(Err.contains(QLatin1String(c.Message))) << c.Arguments.join(' ') << "\n" << Err;
  }
  // An option near none of the command's is not matched to one.
  Run({"check", "a.xml", "--colour"});
  EXPECT_FALSE(Err.contains("did you mean")) << Err;
}

TEST_F(CommandLine, ARepeatedOptionCountsItsLastValueOrEveryValueWhereSeveralAreTaken) {
  const QString definition = SaveSample("in.xml");
  ASSERT_EQ(Run({"pdf", definition, "-o", PathOf("first.pdf"), "-o", PathOf("last.pdf")}), rtOk) << Err;
  EXPECT_FALSE(QFile::exists(PathOf("first.pdf")));
  EXPECT_TRUE(QFile::exists(PathOf("last.pdf")));
  const QString script = WriteFile("p.pas", "var a, b: Integer;\nbegin\n  a := 1; b := 2;\nend.");
  ASSERT_EQ(Run({"script", script, "--print", "a", "--print", "b"}), rtOk) << Err;
  EXPECT_EQ(Out, "a=1\nb=2\n");
  ASSERT_EQ(Run({"script", script, "--print", "b", "a"}), rtOk) << Err;
  EXPECT_EQ(Out, "b=2\na=1\n");
}

TEST_F(CommandLine, TwoDashesEndTheOptionsSoAFileNameMayStartWithADash) {
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Dir.path()));
  SaveSample("-dash.xml");
  EXPECT_EQ(Run({"check", "-dash.xml"}), rtUsage);
  EXPECT_EQ(Run({"check", "--", "-dash.xml"}), rtOk) << Err;
  EXPECT_EQ(Out, "-dash.xml: no errors\n");
  QDir::setCurrent(saved);
}

TEST_F(CommandLine, TheVersionAndTheHelpSucceed) {
  EXPECT_EQ(Run({"--version"}), rtOk);
  EXPECT_TRUE(QRegularExpression("^stroval-report \\d+\\.\\d+\\.\\d+\n$").match(Out).hasMatch()) << Out;
  for (const QStringList& help : {QStringList{"help"}, QStringList{"--help"}, QStringList{"-h"}}) {
    EXPECT_EQ(Run(help), rtOk);
    EXPECT_TRUE(Out.startsWith("Usage: stroval-report [--password TEXT] COMMAND ARGUMENTS")) << Out;
  }
  EXPECT_EQ(Run({}), rtUsage);
  EXPECT_TRUE(Err.startsWith("Usage: stroval-report")) << Err;
}
