// stroval-report script: compiling and running a script file from the command line.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "qstring_printer.h"
#include "report_tool_fixture.h"

namespace {

class ScriptTool : public ReportToolTest {
 protected:
  QString Write(const char* name, const char* text) { return WriteFile(QLatin1String(name), text); }
};

TEST_F(ScriptTool, RunsAProgramAndPrintsTheNamedVariables) {
  const QString path = Write("loop.pas",
                             "var s, i: Integer;\n"
                             "begin\n"
                             "  s := 0;\n"
                             "  for i := 1 to 100 do s := s + i mod 7;\n"
                             "end.\n");
  EXPECT_EQ(Run({"script", path, "--print", "s"}), rtOk);
  EXPECT_EQ(Out, QStringLiteral("s=297\n"));
}

struct SyntaxCase {
  const char* file;
  const char* text;
};

class ScriptSyntaxes : public ScriptTool, public ::testing::WithParamInterface<SyntaxCase> {};

TEST_P(ScriptSyntaxes, TheExtensionChoosesTheSyntax) {
  const QString path = Write(GetParam().file, GetParam().text);
  EXPECT_EQ(Run({"script", path, "--print", "x"}), rtOk) << Err;
  EXPECT_EQ(Out, QStringLiteral("x=42\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScriptSyntaxes,
    ::testing::Values(SyntaxCase{"a.pas", "var x: Integer;\nbegin x := 6 * 7; end.\n"},
                      SyntaxCase{"a.cpp", "int x;\n{ x = 6 * 7; }\n"},
                      SyntaxCase{"a.bas", "Dim x\nx = 6 * 7\n"},
                      SyntaxCase{"a.js", "var x;\nx = 6 * 7;\n"}));

TEST_F(ScriptTool, TheSyntaxOptionOverridesTheExtension) {
  const QString path = Write("basic.txt", "Dim x\nx = 6 * 7\n");
  EXPECT_EQ(Run({"script", path}), rtUsage);
  EXPECT_TRUE(Err.contains(QLatin1String("--syntax")));
  EXPECT_EQ(Run({"script", path, "--syntax", "BasicScript", "--print", "x"}), rtOk) << Err;
  EXPECT_EQ(Out, QStringLiteral("x=42\n"));
}

TEST_F(ScriptTool, ACompileErrorPrintsItsMessageAndPosition) {
  const QString path = Write("bad.pas", "begin\n  x : = 1;\nend.\n");
  EXPECT_EQ(Run({"script", path}), rtFailed);
  EXPECT_EQ(Err, path + QStringLiteral(":2:7: '=' expected\n"));
}

TEST_F(ScriptTool, ARunTimeErrorPrintsItsMessageAndLine) {
  const QString path = Write("zero.pas", "var a: Integer;\nbegin a := 1 div 0; end.\n");
  EXPECT_EQ(Run({"script", path}), rtFailed);
  EXPECT_EQ(Err, path + QStringLiteral(": Division by zero (line 2)\n"));
}

TEST_F(ScriptTool, AMissingFileIsAFailure) {
  EXPECT_EQ(Run({"script", QDir(Dir.path()).filePath(QStringLiteral("none.pas"))}), rtFailed);
  EXPECT_FALSE(Err.isEmpty());
}

TEST_F(ScriptTool, PrintNeedsAName) {
  EXPECT_EQ(Run({"script", "a.pas", "--print"}), rtUsage);
  EXPECT_TRUE(Err.contains(QLatin1String("--print needs at least one name")));
}

}  // namespace
