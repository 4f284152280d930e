// The first compiler phase as a whole: language selection, "#language" headers, included files,
// positions in the intermediate form, its written form, and the nesting limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "il_render.h"
#include "script_engine/front/languages.h"
#include "script_engine/front/lexer.h"
#include "script_engine/front/matcher.h"
#include "script_engine/front/script_error.h"

namespace {

TscCompileOptions UnitsFrom(const QHash<QString, QString>& units, QStringList* asked = nullptr) {
  TscCompileOptions options;
  options.onGetUnit = [units, asked](const QString& name, QString& text) {
    if (asked) *asked << name;
    text = units.value(name);
  };
  return options;
}

const TscXMLItem* Child(const TscXMLItem* item, const char* name) {
  int i = item->Find(QString::fromLatin1(name));
  return i < 0 ? nullptr : item->Items(i);
}

// --- language selection ---

TEST(LanguageSelection, UnknownSyntaxNameIsReported) {
  TscILParser parser;
  try {
    parser.SelectLanguage(QStringLiteral("Cobol"));
    FAIL() << "no error raised";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Language 'Cobol' not found"));
  }
}

TEST(LanguageSelection, PascalIsTheDefault) {
  TscILParser parser;
  ASSERT_TRUE(parser.MakeILScript(QStringLiteral("begin end.\r\n")));
  EXPECT_EQ(parser.LangName(), QStringLiteral("PascalScript"));
}

TEST(LanguageSelection, DeclarationRequirementComesFromGrammar) {
  const struct { const char* syntax; bool required; } cases[] = {
      {"PascalScript", true}, {"C++Script", true}, {"BasicScript", false}, {"JScript", false}};
  for (const auto& c : cases) {
    TscILParser parser;
    parser.SelectLanguage(QString::fromLatin1(c.syntax));
    EXPECT_EQ(parser.NeedDeclareVars(), c.required) << c.syntax;
  }
}

TEST(LanguageSelection, HeaderSelectsSyntaxAndMatchingStartsOnNextLine) {
  TscILParser parser;
  parser.SelectLanguage(QStringLiteral("PascalScript"));
  ASSERT_TRUE(parser.MakeILScript(QStringLiteral("#Language BasicScript \r\nx = 1\r\n")));
  EXPECT_EQ(parser.LangName(), QStringLiteral("BasicScript"));
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()->Items(0)),
            QStringLiteral("compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"));
}

TEST(LanguageSelection, ErrorsAfterHeaderCountLinesOfWholeText) {
  TscILParser parser;
  ASSERT_FALSE(parser.MakeILScript(QStringLiteral("#language BasicScript\r\nx = 1 y = 2\r\n")));
  EXPECT_EQ(parser.ErrorMsg(), QStringLiteral("End of line expected"));
  EXPECT_EQ(parser.ErrorPos(), QStringLiteral("2:7"));
}

TEST(LanguageSelection, HeaderNamingUnknownSyntaxFailsCompilation) {
  TscILParser parser;
  EXPECT_FALSE(parser.MakeILScript(QStringLiteral("#language Nope\r\nbegin end.\r\n")));
  EXPECT_EQ(parser.ErrorMsg(), QStringLiteral("Language 'Nope' not found"));
}

TEST(LanguageSelection, RuleNamingNothingIsInvalidDefinition) {
  scRegisterLanguage(QStringLiteral("BrokenScript"),
                     QStringLiteral("<?xml version=\"1.0\"?><language text=\"BrokenScript\">"
                                    "<parser/><program><nosuchrule/></program></language>"));
  TscILParser parser;
  parser.SelectLanguage(QStringLiteral("BrokenScript"));
  EXPECT_FALSE(parser.MakeILScript(QStringLiteral("x\r\n")));
  EXPECT_EQ(parser.ErrorMsg(), QStringLiteral("Invalid language definition"));
}

TEST(LanguageSelection, AbsurdlyDeepGrammarIsInvalidDefinition) {
  scRegisterLanguage(QStringLiteral("DeepScript"),
                     QStringLiteral("<?xml version=\"1.0\"?><language><program>") +
                         QStringLiteral("<sequence>").repeated(100000) +
                         QStringLiteral("</sequence>").repeated(100000) +
                         QStringLiteral("</program></language>"));
  TscILParser parser;
  try {
    parser.SelectLanguage(QStringLiteral("DeepScript"));
    FAIL() << "no error raised";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Invalid language definition"));
  }
}

TEST(LanguageSelection, FailureWithoutRecordedErrorIsStillFailure) {
  Phase1Result r = RunPhase1(QStringLiteral("BasicScript"), {"123"});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, QStringLiteral("End of line expected"));
  EXPECT_EQ(r.position, QStringLiteral("1:1"));
}

// --- the intermediate form ---

TEST(IntermediateForm, NodesAndLeavesCarryPositions) {
  TscILParser parser;
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"begin", "  x := 12 + y;", "end."})));
  const TscXMLItem* assign = Child(Child(parser.ILScript().Root(), "compoundstmt"), "assignstmt");
  ASSERT_NE(assign, nullptr);
  EXPECT_EQ(assign->Prop(QStringLiteral("pos")), QStringLiteral("2:3"));
  const TscXMLItem* target = Child(assign, "dsgn");
  EXPECT_EQ(target->Prop(QStringLiteral("pos")), QStringLiteral("2:3"));
  EXPECT_EQ(Child(target, "node")->Prop(QStringLiteral("pos")), QStringLiteral("2:4"));
  const TscXMLItem* expr = Child(assign, "expr");
  EXPECT_EQ(expr->Prop(QStringLiteral("pos")), QStringLiteral("2:8"));
  EXPECT_EQ(expr->Prop(QStringLiteral("pos1")), QStringLiteral("2:14"));
  EXPECT_EQ(Child(expr, "number")->Prop(QStringLiteral("pos")), QStringLiteral("2:10"));
  EXPECT_EQ(Child(expr, "op")->Prop(QStringLiteral("pos")), QStringLiteral("2:12"));
}

TEST(IntermediateForm, EndsWithCopyOfGrammarTypes) {
  TscILParser parser;
  parser.SelectLanguage(QStringLiteral("C++Script"));
  ASSERT_TRUE(parser.MakeILScript(QStringLiteral("{}\r\n")));
  const TscXMLItem* root = parser.ILScript().Root();
  EXPECT_EQ(root->Name(), QStringLiteral("program"));
  const TscXMLItem* types = root->Items(root->Count() - 1);
  EXPECT_EQ(RenderIL(*types), QStringLiteral("types(int long void bool float)"));
  EXPECT_EQ(Child(types, "void")->Prop(QStringLiteral("type")), QStringLiteral("integer"));
  EXPECT_EQ(Child(types, "float")->Prop(QStringLiteral("type")), QStringLiteral("extended"));
}

TEST(IntermediateForm, WrittenOutAndReadBackIsSameDocument) {
  for (bool indent : {true, false}) {
    TscILParser parser;
    ASSERT_TRUE(parser.MakeILScript(scJoinLines(
        {"var s: String;", "begin", "  s := 'a\"<b>&' + <ds.\"f\">;", "  if s <> '' then s := #10;",
         "end."})));
    parser.ILScript().SetAutoIndent(indent);
    const QByteArray written = parser.ILScript().SaveToUtf8();
    TscXMLDocument copy;
    copy.LoadFromUtf8(written);
    copy.SetAutoIndent(indent);
    EXPECT_EQ(copy.SaveToUtf8(), written);
    EXPECT_EQ(RenderIL(*copy.Root()), RenderIL(*parser.ILScript().Root()));
    const TscXMLItem* text = Child(Child(Child(Child(copy.Root(), "compoundstmt"), "assignstmt"),
                                         "expr"), "string");
    EXPECT_EQ(text->Prop(QStringLiteral("text")), QStringLiteral("'a\"<b>&'"));
  }
}

// --- nesting limit ---

TEST(NestingLimit, TenThousandNestedBracketsAreCompileError) {
  const struct { const char* syntax; QString source; } cases[] = {
      {"PascalScript", QStringLiteral("begin x := %1 1 %2 end.")},
      {"C++Script", QStringLiteral("{ x = %1 1 %2; }")},
      {"BasicScript", QStringLiteral("x = %1 1 %2")},
      {"JScript", QStringLiteral("x = %1 1 %2;")},
  };
  for (const auto& c : cases) {
    QString source = c.source.arg(QString(10000, QLatin1Char('(')), QString(10000, QLatin1Char(')')));
    Phase1Result r = RunPhase1(QString::fromLatin1(c.syntax), {source});
    EXPECT_FALSE(r.ok) << c.syntax;
    EXPECT_EQ(r.message, TscMatcher::NestingMessage()) << c.syntax;
    EXPECT_TRUE(r.position.startsWith(QStringLiteral("1:"))) << c.syntax;
  }
}

TEST(NestingLimit, DeeplyNestedBlocksAreCompileError) {
  QString source = QStringLiteral("begin ").repeated(10000) + QStringLiteral("end;").repeated(10000);
  Phase1Result r = RunPhase1(QStringLiteral("PascalScript"), {source + QStringLiteral(".")});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, TscMatcher::NestingMessage());
}

TEST(NestingLimit, LeftRecursiveGrammarIsCompileErrorNotCrash) {
  scRegisterLanguage(QStringLiteral("LoopScript"),
                     QStringLiteral("<?xml version=\"1.0\"?><language text=\"LoopScript\"><parser/>"
                                    "<program><expr/></program><expr><expr/><char text=\"+\"/></expr>"
                                    "</language>"));
  TscILParser parser;
  parser.SelectLanguage(QStringLiteral("LoopScript"));
  EXPECT_FALSE(parser.MakeILScript(QStringLiteral("1+1\r\n")));
  EXPECT_EQ(parser.ErrorMsg(), TscMatcher::NestingMessage());
}

TEST(NestingLimit, OrdinaryNestingCompiles) {
  QString source = QStringLiteral("begin x := %1 1 %2 end.")
                       .arg(QString(100, QLatin1Char('(')), QString(100, QLatin1Char(')')));
  EXPECT_TRUE(RunPhase1(QStringLiteral("PascalScript"), {source}).ok);
}

// Arbitrary text never crashes the matcher: it compiles, or fails with a message and a position.
TEST(Robustness, ArbitraryTextGivesResultOrError) {
  const QString alphabet = QStringLiteral("abIfbegin end.:=;,()[]<>\"'#$0x1_ \r\n{}/*\\&|!+-");
  quint32 seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (const char* syntax : {"PascalScript", "C++Script", "BasicScript", "JScript"}) {
    for (int n = 0; n < 150; ++n) {
      QString text;
      const int length = int(next() % 60);
      for (int i = 0; i < length; ++i) text += alphabet[int(next() % alphabet.size())];
      TscILParser parser;
      parser.SelectLanguage(QString::fromLatin1(syntax));
      if (!parser.MakeILScript(text)) {
        EXPECT_FALSE(parser.ErrorMsg().isEmpty()) << syntax << ": " << text.toStdString();
        EXPECT_TRUE(parser.ErrorPos().contains(QLatin1Char(':'))) << syntax << ": " << text.toStdString();
      } else {
        EXPECT_EQ(parser.ILScript().Root()->Name(), QStringLiteral("program"));
      }
    }
  }
}

// --- included files ---

TEST(Includes, UnitsAreEmbeddedInReverseOrderOfTheClause) {
  QStringList asked;
  TscILParser parser(UnitsFrom({{"a.pas", "var ua: Integer; begin end."},
                                {"b.pas", "var ub: Integer; begin end."}},
                               &asked));
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"uses 'a.pas', 'b.pas';", "begin end."})))
      << parser.ErrorMsg().toStdString();
  const TscXMLItem* root = parser.ILScript().Root();
  ASSERT_GE(root->Count(), 3);
  EXPECT_EQ(root->Items(0)->Prop(QStringLiteral("unit")), QStringLiteral("b.pas"));
  EXPECT_EQ(root->Items(1)->Prop(QStringLiteral("unit")), QStringLiteral("a.pas"));
  EXPECT_EQ(RenderIL(*root->Items(0)),
            QStringLiteral("uses(program(var(ident:ub type:Integer) compoundstmt))"));
  EXPECT_EQ(asked, (QStringList{"b.pas", "a.pas"}));
  EXPECT_EQ(root->Find(QStringLiteral("file")), -1);
}

TEST(Includes, EverySyntaxHasAnIncludeClause) {
  const struct { const char* syntax; QStringList main; const char* unit; const char* il; } cases[] = {
      {"PascalScript", {"uses 'u';", "begin end."}, "begin x := 1 end.",
       "program(uses(program(compoundstmt(assignstmt(dsgn(node:x) expr(number:1))))) compoundstmt types)"},
      {"C++Script", {"#include \"u\"", "{}"}, "{ x = 1; }",
       "program(uses(program(compoundstmt(assignstmt(dsgn(node:x) expr(number:1))))) compoundstmt "
       "types(int long void bool float))"},
      {"BasicScript", {"Imports \"u\""}, "x = 1",
       "program(compoundstmt(uses(program(compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))))) types(decimal))"},
      {"JScript", {"import \"u\";"}, "x = 1;",
       "program(compoundstmt(uses(program(compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))))) types)"},
  };
  for (const auto& c : cases) {
    TscILParser parser(UnitsFrom({{"u", QString::fromUtf8(c.unit)}}));
    parser.SelectLanguage(QString::fromLatin1(c.syntax));
    ASSERT_TRUE(parser.MakeILScript(c.main)) << c.syntax << ": " << parser.ErrorMsg().toStdString();
    EXPECT_EQ(RenderIL(*parser.ILScript().Root()).toStdString(), c.il) << c.syntax;
  }
}

TEST(Includes, FileNamedTwiceIsIncludedOnce) {
  QStringList asked;
  TscILParser parser(UnitsFrom({{"a.pas", "begin end."}}, &asked));
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"uses 'a.pas', 'a.pas';", "begin end."})));
  EXPECT_EQ(asked, QStringList{"a.pas"});
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()),
            QStringLiteral("program(uses(program(compoundstmt)) compoundstmt types)"));
}

TEST(Includes, FilesIncludingEachOtherCompile) {
  QStringList asked;
  TscILParser parser(UnitsFrom({{"a.pas", "uses 'b.pas'; begin end."},
                                {"b.pas", "uses 'a.pas'; begin end."}},
                               &asked));
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"uses 'a.pas';", "begin end."})))
      << parser.ErrorMsg().toStdString();
  EXPECT_EQ(asked, (QStringList{"a.pas", "b.pas"}));
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()),
            QStringLiteral("program(uses(program(uses(program(compoundstmt)) compoundstmt)) "
                           "compoundstmt types)"));
}

TEST(Includes, EmptyFileGivesUsesWithoutChild) {
  TscILParser parser(UnitsFrom({{"e.pas", ""}}));
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"uses 'e.pas';", "begin end."})));
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()->Items(0)), QStringLiteral("uses"));
}

TEST(Includes, ErrorInIncludedFileNamesThatFile) {
  TscILParser parser(UnitsFrom({{"a.pas", "uses 'b.pas'; begin end."},
                                {"b.pas", "begin\n  x := ;\nend."}}));
  EXPECT_FALSE(parser.MakeILScript(scJoinLines({"uses 'a.pas';", "begin end."})));
  EXPECT_EQ(parser.ErrorMsg(), QStringLiteral("Expression expected"));
  EXPECT_EQ(parser.ErrorPos(), QStringLiteral("2:8"));
  EXPECT_EQ(parser.ErrorUnit(), QStringLiteral("b.pas"));
}

TEST(Includes, IncludedTextGetsNormalLineEnds) {
  TscILParser parser(UnitsFrom({{"u.vb", "x = 1\ny = 2"}}));
  parser.SelectLanguage(QStringLiteral("BasicScript"));
  ASSERT_TRUE(parser.MakeILScript(scJoinLines({"Imports \"u.vb\"", "z = 3"})))
      << parser.ErrorMsg().toStdString();
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()->Items(0)),
            QStringLiteral("compoundstmt(uses(program(compoundstmt(assignstmt(dsgn(node:x) "
                           "expr(number:1)) assignstmt(dsgn(node:y) expr(number:2))))) "
                           "assignstmt(dsgn(node:z) expr(number:3)))"));
}

TEST(Includes, FileIsFoundOnIncludePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkdir(QStringLiteral("lib"));
  QFile file(dir.filePath(QStringLiteral("lib/u.js")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("var fromFile = 1;\n");
  file.close();
  TscCompileOptions options;
  options.includePath = {dir.filePath(QStringLiteral("missing")), dir.filePath(QStringLiteral("lib"))};
  TscILParser parser(options);
  parser.SelectLanguage(QStringLiteral("JScript"));
  ASSERT_TRUE(parser.MakeILScript(QStringLiteral("import \"u.js\";\r\n")))
      << parser.ErrorMsg().toStdString();
  EXPECT_EQ(RenderIL(*parser.ILScript().Root()->Items(0)),
            QStringLiteral("compoundstmt(uses(program(compoundstmt(var(ident:fromFile "
                           "init(expr(number:1)))))))"));
}

TEST(Includes, MissingFileIsCompileError) {
  TscCompileOptions options;
  options.includePath = {QStringLiteral("/nonexistent-dir")};
  TscILParser parser(options);
  EXPECT_FALSE(parser.MakeILScript(scJoinLines({"uses 'nothere.pas';", "begin end."})));
  EXPECT_TRUE(parser.ErrorMsg().startsWith(QStringLiteral("Cannot open file")))
      << parser.ErrorMsg().toStdString();
  EXPECT_TRUE(parser.ErrorMsg().contains(QStringLiteral("/nonexistent-dir/nothere.pas")));
}

}  // namespace
