// The second phase over intermediate forms written by hand or by included files: forms the
// grammars never write, source texts of expressions, inclusion.
#include <gtest/gtest.h>

#include <QBuffer>

#include "compiler_support.h"

namespace {

// Compiles a hand-written intermediate form (the program element only) and runs it.
struct FromIL {
  TscScript script;
  bool ok = false;
  explicit FromIL(const QString& program) {
    script.AddRTTI();
    QByteArray text = QByteArrayLiteral("<?xml version=\"1.0\"?>\n") + program.toUtf8();
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    ok = script.SetILCode(buffer);
  }
};

TEST(HandWrittenForm, DanglingOperatorIsDropped) {
  FromIL il(QStringLiteral(
      "<program><var><ident text=\"x\" pos=\"1:1\"/><type text=\"Integer\"/></var>"
      "<assignstmt pos=\"2:1\"><dsgn><node text=\"x\" pos=\"2:2\"/></dsgn>"
      "<expr pos=\"2:5\"><number text=\"1\" pos=\"2:6\"/><op text=\"+\" pos=\"2:8\"/></expr>"
      "</assignstmt></program>"));
  ASSERT_TRUE(il.ok) << il.script.FErrorMsg.toStdString();
  il.script.Execute();
  EXPECT_EQ(il.script.Variable(QStringLiteral("x")).ToInt32(), 1);
}

TEST(HandWrittenForm, ErrorsCarryTheElementPosition) {
  FromIL il(QStringLiteral(
      "<program><assignstmt pos=\"7:1\"><dsgn><node text=\"q\" pos=\"7:3\"/></dsgn>"
      "<expr><number text=\"1\"/></expr></assignstmt></program>"));
  EXPECT_FALSE(il.ok);
  EXPECT_EQ(il.script.FErrorMsg, QStringLiteral("Undeclared identifier: 'q'"));
  EXPECT_EQ(il.script.FErrorPos, QStringLiteral("7:3"));
}

TEST(HandWrittenForm, NamelessPartsNeverReachUnnamedItems) {
  // The array declaration registers an unnamed element helper; a nameless node must not find it.
  const QString declaration = QStringLiteral("<var><ident text=\"a\"/><array/></var>");
  FromIL call(QStringLiteral("<program>") + declaration +
              QStringLiteral("<callstmt><dsgn><node pos=\"1:2\"/></dsgn></callstmt></program>"));
  EXPECT_FALSE(call.ok);
  EXPECT_EQ(call.script.FErrorMsg, QStringLiteral("Undeclared identifier: ''"));
  FromIL loop(QStringLiteral("<program>") + declaration +
              QStringLiteral("<forstmt><ident/><expr><number text=\"1\"/></expr>"
                             "<expr><number text=\"2\"/></expr></forstmt></program>"));
  EXPECT_FALSE(loop.ok);
  EXPECT_EQ(loop.script.FErrorMsg, QStringLiteral("For loop variable must be numeric variable"));
}

TEST(HandWrittenForm, ArrayWithoutDimensionHoldsOneElement) {
  FromIL il(QStringLiteral(
      "<program><var><ident text=\"a\" pos=\"1:1\"/><array/></var>"
      "<assignstmt><dsgn><node text=\"a\"/><node text=\"[\"/><expr><number text=\"0\"/></expr>"
      "</dsgn><expr><number text=\"5\"/></expr></assignstmt></program>"));
  ASSERT_TRUE(il.ok) << il.script.FErrorMsg.toStdString();
  il.script.Execute();
  ScriptValue a = il.script.Variable(QStringLiteral("a"));
  ASSERT_TRUE(a.IsArray());
  EXPECT_EQ(a.ArrayBounds(0).low, 0);
  EXPECT_EQ(a.ArrayBounds(0).high, 0);
  EXPECT_EQ(a.ArrayGet({0}).ToInt32(), 5);
}

TEST(HandWrittenForm, NestingTooDeepIsRefusedNotOverflowed) {
  const int depth = 100000;
  QString program = QStringLiteral("<program>");
  for (int i = 0; i < depth; ++i) program += QStringLiteral("<compoundstmt>");
  for (int i = 0; i < depth; ++i) program += QStringLiteral("</compoundstmt>");
  program += QStringLiteral("</program>");
  FromIL il(program);
  EXPECT_FALSE(il.ok);
  EXPECT_EQ(il.script.FErrorMsg, QStringLiteral("Program is nested too deeply"));
}

TEST(DeepSource, TwoHundredNestedBracketsCompile) {
  TscScript script;
  script.AddRTTI();
  script.SetLines({QStringLiteral("var x: Integer; begin x := ") + QString(200, QLatin1Char('(')) +
                   QStringLiteral("1 + 1") + QString(200, QLatin1Char(')')) +
                   QStringLiteral(" end.")});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("x")).ToInt32(), 2);
}

TEST(ExpressionSource, MacroFunctionReceivesTheArgumentsText) {
  TscScript script;
  script.AddRTTI();
  script.AddMethod(QStringLiteral("macro function Source(e: Variant): String"),
                   [](TscHostObject*, const TscHostClass*, const QString&,
                      std::vector<ScriptValue>& args) { return args[0]; });
  script.SetLines({"var s: String; x: Integer;", "begin s := Source(1 +  2 * x) end."});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("s")).ToText(), QStringLiteral("1 +  2 * x"));
}

TEST(Inclusion, FilesIncludingEachOtherCompileOnce) {
  TscScript script;
  script.AddRTTI();
  int asked = 0;
  script.FOnGetUnit = [&asked](TscScript&, const QString& unit, QString& text) {
    ++asked;
    if (unit == QLatin1String("a.pas"))
      text = QStringLiteral("uses 'b.pas';\r\nvar fromA: Integer;\r\nbegin fromA := 1 end.");
    else
      text = QStringLiteral("uses 'a.pas';\r\nvar fromB: Integer;\r\nbegin fromB := 2 end.");
  };
  script.SetLines({"uses 'a.pas', 'a.pas';", "var r: Integer;", "begin r := fromA + fromB end."});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  EXPECT_EQ(asked, 2);
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("r")).ToInt32(), 3);
}

TEST(Inclusion, HostMaySupplyTheCompiledForm) {
  TscScript script;
  script.AddRTTI();
  script.FOnGetUnit = [](TscScript&, const QString&, QString& text) {
    text = QStringLiteral("var never: Integer;\r\nbegin end.");
  };
  script.FOnGetILUnit = [](TscScript&, const QString&, QString& il) {
    il = QStringLiteral("<?xml version=\"1.0\"?><program><var><ident text=\"given\"/>"
                        "<type text=\"Integer\"/></var></program>");
  };
  script.SetLines({"uses 'u.pas';", "begin given := 4 end."});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("given")).ToInt32(), 4);
  EXPECT_EQ(script.Find(QStringLiteral("never")), nullptr);
}

}  // namespace
