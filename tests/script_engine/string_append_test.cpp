// Building a text by appending: s := s + x changes the variable in place, with the same results
// as reading the target first and joining.
#include "compiler_support.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

QString run(const QStringList& lines) {
  InstallTestCompiler();
  CompiledScript c = CompileScript(kPascal, lines);
  EXPECT_TRUE(c.ok) << c.script->FErrorMsg.toStdString() << " at " << c.script->FErrorPos.toStdString();
  c.script->Execute();
  return c.script->Variable(QStringLiteral("s")).ToString();
}

TEST(StringAppend, RepeatedAppendsBuildTheWholeText) {
  EXPECT_EQ(run({"var s: String; i: Integer;", "begin", "  s := '';",
                 "  for i := 1 to 2000 do s := s + 'ab';", "end."}),
            QString(2000, u'x').replace(u'x', QStringLiteral("ab")));
}

TEST(StringAppend, AppendingTheVariableToItselfDoublesIt) {
  EXPECT_EQ(run({"var s: String;", "begin", "  s := 'ab';", "  s := s + s;", "  s := s + s;", "end."}),
            QStringLiteral("abababab"));
}

TEST(StringAppend, TheTargetIsReadBeforeTheValue) {
  // The function changes s while the value is computed: the old text is still the left operand.
  EXPECT_EQ(run({"var s: String;", "function F: String;", "begin", "  s := 'changed';", "  Result := '!';",
                 "end;", "begin", "  s := 'old';", "  s := s + F;", "end."}),
            QStringLiteral("old!"));
}

TEST(StringAppend, ACopyTakenBeforeTheAppendKeepsItsText) {
  InstallTestCompiler();
  CompiledScript c = CompileScript(kPascal, {"var s, t: String;", "begin", "  s := 'ab';", "  t := s;",
                                             "  s := s + 'c';", "end."});
  ASSERT_TRUE(c.ok);
  c.script->Execute();
  EXPECT_EQ(c.script->Variable(QStringLiteral("t")).ToString(), QStringLiteral("ab"));
  EXPECT_EQ(c.script->Variable(QStringLiteral("s")).ToString(), QStringLiteral("abc"));
}

}  // namespace
