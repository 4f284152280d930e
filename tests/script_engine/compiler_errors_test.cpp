// Compile errors of the second phase: the exact message and the line:column it is reported at;
// and the designator forms that need classes (with, new, delete, default properties,
// owned components, late binding).
#include <gtest/gtest.h>

#include <QBuffer>

#include "compiler_support.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/interpreter/created_objects.h"
#include "syntax_cases.h"

namespace {

struct CompileErrorCase {
  const char* name;
  QString syntax;
  QStringList lines;
  const char* message;
  const char* position;
};

void PrintTo(const CompileErrorCase& c, std::ostream* os) { *os << c.name; }

class CompileError : public testing::TestWithParam<CompileErrorCase> {};

TEST_P(CompileError, StopsWithMessageAndPosition) {
  const CompileErrorCase& c = GetParam();
  CompiledScript compiled = CompileScript(c.syntax, c.lines, true);
  ASSERT_FALSE(compiled.ok);
  EXPECT_EQ(compiled.script->FErrorMsg.toStdString(), c.message);
  EXPECT_EQ(compiled.script->FErrorPos.toStdString(), c.position);
}

INSTANTIATE_TEST_SUITE_P(Pascal, CompileError, testing::Values(
    CompileErrorCase{"UndeclaredIdentifier", kPascal, {"begin", "  x := 1", "end."},
                     "Undeclared identifier: 'x'", "2:4"},
    CompileErrorCase{"RedeclaredIdentifier", kPascal, {"var a: Integer;", "    a: String;",
                                                       "begin end."},
                     "Identifier redeclared: 'a'", "2:6"},
    CompileErrorCase{"UnknownType", kPascal, {"var a: TNothing;", "begin end."},
                     "Unknown type: 'TNothing'", "1:6"},
    CompileErrorCase{"IncompatibleAssignment", kPascal,
                     {"var i: Integer;", "begin", "  i := 'text'", "end."},
                     "Incompatible types: 'Integer', 'String'", "3:14"},
    CompileErrorCase{"IncompatibleOperands", kPascal,
                     {"var b: Boolean;", "begin", "  b := True + 'x'", "end."},
                     "Incompatible types", "3:14"},
    CompileErrorCase{"ExtendedToInteger", kPascal,
                     {"var i: Integer;", "begin i := 1.5 end."},
                     "Incompatible types: 'Integer', 'Extended'", "2:15"},
    CompileErrorCase{"NotEnoughParameters", kPascal,
                     {"procedure P(a, b: Integer); begin end;", "begin", "  P(1)", "end."},
                     "Not enough actual parameters", "3:4"},
    CompileErrorCase{"TooManyParameters", kPascal,
                     {"procedure P(a: Integer); begin end;", "begin", "  P(1, 2)", "end."},
                     "Too many actual parameters", "3:4"},
    CompileErrorCase{"ArgumentOfWrongType", kPascal,
                     {"procedure P(a: Integer); begin end;", "begin P('s') end."},
                     "Incompatible types: 'Integer', 'String'", "2:8"},
    CompileErrorCase{"AssignmentToConstant", kPascal, {"const c = 1;", "begin", "  c := 2",
                                                       "end."},
                     "Left side cannot be assigned to", "3:4"},
    CompileErrorCase{"ForOverStringVariable", kPascal,
                     {"var s: String;", "begin for s := 1 to 2 do end."},
                     "For loop variable must be numeric variable", "2:12"},
    CompileErrorCase{"ForStartOfWrongType", kPascal,
                     {"var i: Integer;", "begin for i := 'a' to 2 do end."},
                     "Incompatible types: 'Integer', 'String'", "2:19"},
    CompileErrorCase{"IndexedPropertyWithoutIndex", kPascal,
                     {"var c: TCounter;", "begin c.Items.Value end."},
                     "Index required", "2:20"},
    CompileErrorCase{"PropertyOfString", kPascal, {"var s: String;", "begin s.Length end."},
                     "Strings do not have properties or methods", "2:15"},
    CompileErrorCase{"IndexOnInteger", kPascal, {"var i: Integer;", "begin i[1] := 2 end."},
                     "Array type required", "2:9"},
    CompileErrorCase{"WithOverInteger", kPascal, {"var i: Integer;", "begin with i do end."},
                     "Class type required", "2:13"},
    CompileErrorCase{"UnknownMember", kPascal, {"var c: TCounter;", "begin c.Nothing end."},
                     "Undeclared identifier: 'Nothing'", "2:16"},
    CompileErrorCase{"NoDefaultProperty", kPascal, {"var o: TObject;", "begin o[1] end."},
                     "Class TObject does not have a default property", "2:9"},
    CompileErrorCase{"AddressOfExpression", kPascal, {"var x: Variant;", "begin x := @x.y end."},
                     "Variable required", "2:13"},
    CompileErrorCase{"DefaultOfWrongType", kPascal,
                     {"procedure P(a: Integer = 'x');", "begin end;", "begin end."},
                     "Incompatible types: 'Integer', 'String'", "1:29"},
    CompileErrorCase{"ErrorInsideProcedureBody", kPascal,
                     {"procedure P;", "begin", "  y := 1", "end;", "begin end."},
                     "Undeclared identifier: 'y'", "3:4"}
), CaseName<CompileErrorCase>);

INSTANTIATE_TEST_SUITE_P(OtherSyntaxes, CompileError, testing::Values(
    CompileErrorCase{"CppUndeclaredIdentifier", kCpp, {"{", "  x = 1;", "}"},
                     "Undeclared identifier: 'x'", "2:4"},
    CompileErrorCase{"CppRedeclaredIdentifier", kCpp, {"int a;", "string a;", "{}"},
                     "Identifier redeclared: 'a'", "2:9"},
    CompileErrorCase{"CppIncompatibleTypes", kCpp, {"int i;", "{ i = \"s\"; }"},
                     "Incompatible types: 'Integer', 'String'", "2:10"},
    CompileErrorCase{"CppTooManyParameters", kCpp, {"void f() {}", "{ f(1); }"},
                     "Too many actual parameters", "2:4"},
    CompileErrorCase{"BasicNotEnoughParameters", kBasic, {"Sub P(a)", "End Sub", "P"},
                     "Not enough actual parameters", "3:2"},
    CompileErrorCase{"BasicForOverString", kBasic,
                     {"dim s as string", "For s = 1 To 2", "Next"},
                     "For loop variable must be numeric variable", "2:6"},
    CompileErrorCase{"BasicIncompatibleTypes", kBasic, {"dim i as integer", "i = \"a\""},
                     "Incompatible types: 'Integer', 'String'", "2:8"},
    CompileErrorCase{"JScriptLeftSideCannotBeAssigned", kJScript,
                     {"function f() { return 1; }", "f = 2;"},
                     "Left side cannot be assigned to", "2:2"},
    CompileErrorCase{"JScriptForOverFunction", kJScript, {"function f() {}", "f++;"},
                     "Left side cannot be assigned to", "2:2"}
), CaseName<CompileErrorCase>);

TEST(CompileErrorText, FollowsTheStringTable) {
  scMessages::SetText(QStringLiteral("SIdUndeclared"), QStringLiteral("Unbekannt: "));
  CompiledScript c = CompileScript(kPascal, {"begin x := 1 end."});
  scMessages::Reset();
  EXPECT_EQ(c.script->FErrorMsg, QStringLiteral("Unbekannt: 'x'"));
}

TEST(CompileErrorText, NamesTheIncludedUnit) {
  TscScript script;
  script.AddRTTI();
  script.FOnGetUnit = [](TscScript&, const QString&, QString& text) {
    text = QStringLiteral("procedure U;\r\nbegin\r\n  z := 1\r\nend;\r\nbegin end.");
  };
  script.SetLines({"uses 'unit1.pas';", "begin U end."});
  ASSERT_FALSE(script.Compile());
  EXPECT_EQ(script.FErrorMsg, QStringLiteral("Undeclared identifier: 'z'"));
  EXPECT_EQ(script.FErrorPos, QStringLiteral("3:4"));
  EXPECT_EQ(script.FErrorUnit, QStringLiteral("unit1.pas"));
}

TEST(IncludedUnit, DeclarationsJoinTheIncludingScript) {
  TscScript script;
  script.AddRTTI();
  script.FOnGetUnit = [](TscScript&, const QString&, QString& text) {
    text = QStringLiteral("var u: Integer;\r\nprocedure SetU; begin u := 9 end;\r\nbegin end.");
  };
  script.SetLines({"uses 'unit1.pas';", "begin SetU end."});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("u")).ToInt32(), 9);
}

// --- classes ---

struct Counted {
  CompiledScript c;
  TestCounter* counter;
};

Counted withCounter(const QString& syntax, const QStringList& lines) {
  Counted r{CompiledScript{}, new TestCounter};
  r.c.script = std::make_unique<TscScript>();
  r.c.script->AddRTTI();
  RegisterCounterClass(*r.c.script);
  r.c.script->AddObject(QStringLiteral("Counter"), r.counter);
  r.c.script->SetSyntaxType(syntax);
  r.c.script->SetLines(lines);
  r.c.ok = r.c.script->Compile();
  return r;
}

TEST(Classes, WithResolvesMembersOfItsObject) {
  Counted r = withCounter(kPascal, {"var v: Integer;", "begin",
                                    "  with Counter do begin Value := 4; Add(3); v := Value end",
                                    "end."});
  ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
  r.c.script->Execute();
  EXPECT_EQ(r.counter->FValue, 7);
  EXPECT_EQ(r.c.script->Variable(QStringLiteral("v")).ToInt32(), 7);
  delete r.counter;
}

TEST(Classes, DefaultPropertyAndOwnedComponent) {
  Counted r = withCounter(kCpp, {"int a;", "{ a = Counter[4]; Counter.Child.Value = 2; }"});
  ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
  r.c.script->Execute();
  EXPECT_EQ(r.c.script->Variable(QStringLiteral("a")).ToInt32(), 40);
  EXPECT_EQ(r.counter->FChild->FValue, 2);
  delete r.counter;
}

// An object made with new (or New) and freed with delete (or Free) is no longer the script's; its
// memory goes with the script at the latest.
TEST(Classes, NewCreatesAndDeleteFrees) {
  const struct {
    QString syntax;
    QStringList lines;
    int value;
  } cases[] = {
      {kJScript, {"var o = new TCounter;", "o.Value = 5;", "v = o.Value;", "delete o;"}, 5},
      {kBasic, {"Set o = New TCounter", "o.Value = 6", "v = o.Value", "o.Free"}, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.syntax.toStdString());
    const int before = TestCounter::Living();
    Counted r = withCounter(c.syntax, c.lines);
    ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
    r.c.script->Execute();
    EXPECT_EQ(r.c.script->Variable(QStringLiteral("v")).ToInt32(), c.value);
    EXPECT_EQ(r.c.script->CreatedObjects().LivingCount(), 0);
    r.c.script.reset();
    delete r.counter;
    EXPECT_EQ(TestCounter::Living(), before);
  }
}

TEST(Classes, VariantMembersAreBoundWhenFirstRun) {
  Counted r = withCounter(kPascal, {"var o: Variant; v: Integer;",
                                    "procedure SetIt(x: Variant); begin x.Value := 11 end;",
                                    "begin o := Counter; SetIt(o); v := o.Value + 1 end."});
  ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
  r.c.script->Execute();
  EXPECT_EQ(r.counter->FValue, 11);
  EXPECT_EQ(r.c.script->Variable(QStringLiteral("v")).ToInt32(), 12);
  delete r.counter;
}

TEST(Classes, LateBoundMemberOfNilFailsWhenRun) {
  Counted r = withCounter(kPascal, {"var o: Variant;", "begin o.Value := 1 end."});
  ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
  EXPECT_THROW(r.c.script->Execute(), ScriptError);
  delete r.counter;
}

TEST(Classes, WithOverVariantBindsLate) {
  Counted r = withCounter(kBasic, {"o = Counter", "With o", "  Value = 8", "End With"});
  ASSERT_TRUE(r.c.ok) << r.c.script->FErrorMsg.toStdString();
  r.c.script->Execute();
  EXPECT_EQ(r.counter->FValue, 8);
  delete r.counter;
}

TEST(Classes, ClassLateBindingReachesComponentsOfTheObjectAtRunTime) {
  Counted r{CompiledScript{}, new TestCounter};
  TscScript& script = *(r.c.script = std::make_unique<TscScript>());
  script.AddRTTI();
  RegisterCounterClass(script);
  script.AddObject(QStringLiteral("Counter"), r.counter);
  script.FUseClassLateBinding = true;
  script.SetLines({"var c: TCounter;", "begin c := Counter; c.Child.Value := 3 end."});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(r.counter->FChild->FValue, 3);
  delete r.counter;
}

// --- the compiled tree ---

TEST(CompiledTree, StatementsReportTheirPositionsToTheLineHook) {
  CompiledScript c = CompileScript(kPascal, {"var i: Integer;", "begin", "  i := 1;",
                                            "  if i = 1 then", "    i := 2", "end."});
  ASSERT_TRUE(c.ok);
  QStringList seen;
  c.script->FOnRunLine = [&seen](TscScript&, const QString&, const QString& pos) { seen << pos; };
  c.script->Execute();
  EXPECT_EQ(seen.join(QLatin1Char(' ')), QStringLiteral("3:3 4:3 5:5"));
}

TEST(CompiledTree, StatementsRecordTheirExecutableLines) {
  CompiledScript c = CompileScript(kPascal, {"var i: Integer;", "begin", "  i := 1;", "",
                                            "  i := 2", "end."});
  ASSERT_TRUE(c.ok);
  EXPECT_TRUE(c.script->IsExecutableLine(3));
  EXPECT_FALSE(c.script->IsExecutableLine(4));
  EXPECT_TRUE(c.script->IsExecutableLine(5));
}

TEST(CompiledTree, IntermediateFormCompilesAlone) {
  TscScript first;
  first.AddRTTI();
  first.SetLines({"var r: Integer;", "begin r := 6 * 7 end."});
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  ASSERT_TRUE(first.GetILCode(buffer));
  buffer.seek(0);
  TscScript second;
  second.AddRTTI();
  ASSERT_TRUE(second.SetILCode(buffer)) << second.FErrorMsg.toStdString();
  second.Execute();
  EXPECT_EQ(second.Variable(QStringLiteral("r")).ToInt32(), 42);
}

TEST(CompiledTree, ClearedScriptCompilesAgain) {
  CompiledScript c = CompileScript(kPascal, {"var s: String; r: String;",
                                            "procedure P; begin r := s[2] end;",
                                            "begin s := 'xy'; P end."});
  ASSERT_TRUE(c.ok);
  c.script->Clear();
  ASSERT_TRUE(c.script->Compile()) << c.script->FErrorMsg.toStdString();
  c.script->Execute();
  EXPECT_EQ(c.script->Variable(QStringLiteral("r")).ToText(), QStringLiteral("y"));
}

TEST(CompiledTree, UnknownSyntaxIsReported) {
  CompiledScript c = CompileScript(QStringLiteral("Cobol"), {"x"});
  EXPECT_FALSE(c.ok);
  EXPECT_EQ(c.script->FErrorMsg, QStringLiteral("Language 'Cobol' not found"));
}

}  // namespace
