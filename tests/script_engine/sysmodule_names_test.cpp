// The system module's type names, constants, helpers and exception variables.
#include <gtest/gtest.h>

#include "script_engine/interpreter/helpers.h"
#include "sysmodule_support.h"

namespace {

class SystemNames : public ::testing::Test {
 protected:
  void SetUp() override { PinSystemModuleEnvironment(); }
};

TEST_F(SystemNames, EvaluateComputesInAllFourSyntaxes) {
  for (const QString& syntax : {kPascal, kCpp, kBasic, kJScript})
    EXPECT_EQ(EvaluateIn(syntax, QStringLiteral("2 * (3 + 4)")).ToInt32(), 14) << syntax.toStdString();
}

struct ConstCase {
  const char* expression;
  const char* expected;
};

TEST_F(SystemNames, ConstantsHaveTheirValues) {
  const ConstCase cases[] = {
      {"True", "True"},          {"False", "False"},        {"nil", "0"},
      {"varEmpty", "0"},         {"varNull", "1"},          {"varSmallint", "2"},
      {"varInteger", "3"},       {"varSingle", "4"},        {"varDouble", "5"},
      {"varCurrency", "6"},      {"varDate", "7"},          {"varOleStr", "8"},
      {"varDispatch", "9"},      {"varError", "10"},        {"varBoolean", "11"},
      {"varVariant", "12"},      {"varUnknown", "13"},      {"varShortInt", "16"},
      {"varByte", "17"},         {"varWord", "18"},         {"varLongWord", "19"},
      {"varInt64", "20"},        {"varStrArg", "72"},       {"varString", "256"},
      {"varAny", "257"},         {"varTypeMask", "4095"},   {"varArray", "8192"},
      {"varByRef", "16384"}};
  for (const ConstCase& c : cases)
    EXPECT_EQ(EvaluateIn(kPascal, QString::fromLatin1(c.expression)).ToText(),
              QString::fromLatin1(c.expected))
        << c.expression;
}

TEST_F(SystemNames, NullIsTheNullValue) {
  EXPECT_TRUE(EvaluateIn(kPascal, QStringLiteral("Null")).IsNull());
}

struct TypeCase {
  const char* declaration;  // "var x: T;"
  const char* assignment;   // "x := ...;"
  const char* expected;     // text of x afterwards
};

TEST_F(SystemNames, TypeNamesDeclareVariablesThatConvert) {
  const TypeCase cases[] = {
      {"Byte", "7", "7"},           {"Word", "7", "7"},          {"Integer", "-7", "-7"},
      {"Longint", "70000", "70000"},      {"Cardinal", "7", "7"},      {"TColor", "255", "255"},
      {"TAlphaColor", "1", "1"},    {"Int64", "5000000000", "5000000000"},
      {"Boolean", "1 = 1", "True"}, {"Real", "1.5", "1.5"},      {"Single", "0.25", "0.25"},
      {"Double", "7", "7"},         {"Extended", "1.5", "1.5"},  {"Currency", "2.5", "2.5"},
      {"TDate", "3", "3"},          {"TTime", "0.5", "0.5"},     {"TDateTime", "1.5", "1.5"},
      {"Char", "'A'", "A"},         {"String", "'12'", "12"},      {"Variant", "'v'", "v"},
      {"Pointer", "0", "0"}};
  for (const TypeCase& c : cases) {
    auto s = RunProgram(kPascal, {QStringLiteral("var x: %1;").arg(QLatin1String(c.declaration)),
                                  QStringLiteral("begin x := %1; end.").arg(QLatin1String(c.assignment))});
    EXPECT_EQ(s->Variable(QStringLiteral("x")).ToText(), QString::fromLatin1(c.expected)) << c.declaration;
  }
}

TEST_F(SystemNames, StringAndArrayIndexingUseTheSharedHelpers) {
  auto s = RunProgram(kPascal, {"var s: String; a: Variant; c: String;",
                                "begin s := 'abc'; s[2] := 'X'; a := VarArrayCreate([0, 2], varVariant);",
                                "a[1] := s; c := a[1]; c := c[3]; end."});
  EXPECT_EQ(s->Variable(QStringLiteral("s")).ToText(), QStringLiteral("aXc"));
  EXPECT_EQ(s->Variable(QStringLiteral("c")).ToText(), QStringLiteral("c"));
}

TEST_F(SystemNames, AVariantElementHoldingAStringIsIndexedByCharacter) {
  // The shared array helper follows itself here; it once recursed until the stack ran out.
  auto s = RunProgram(kPascal, {"var a: Variant; c: String;",
                                "begin a := VarArrayCreate([0, 2], varVariant); a[1] := 'abc';",
                                "c := a[1][3]; end."});
  EXPECT_EQ(s->Variable(QStringLiteral("c")).ToText(), QStringLiteral("c"));
  EXPECT_FALSE(RuntimeError(kPascal, {"var a: Variant; c: String;",
                                      "begin a := VarArrayCreate([0, 2], varVariant); a[1] := 5;",
                                      "c := a[1][3]; end."})
                   .isEmpty());
}

TEST_F(SystemNames, ExceptionVariablesCarryTheRaisedMessage) {
  auto s = RunProgram(kPascal, {"var m, k: String;",
                                "begin try RaiseException('broken'); except m := ExceptionMessage;",
                                "k := ExceptionClassName; end; end."});
  EXPECT_EQ(s->Variable(QStringLiteral("m")).ToText(), QStringLiteral("broken"));
  EXPECT_EQ(s->Variable(QStringLiteral("k")).ToText(), QStringLiteral("Exception"));
}

TEST_F(SystemNames, ARegisteredNameCannotBeRedeclaredAtTopLevel) {
  TscScript script;
  script.AddRTTI();
  script.SetLines({QStringLiteral("var varEmpty: Integer; begin end.")});
  EXPECT_FALSE(script.Compile());
  EXPECT_EQ(script.FErrorMsg, QStringLiteral("Identifier redeclared: 'varEmpty'"));
}

TEST_F(SystemNames, ADeclarationInsideAProcedureHidesARegisteredName) {
  auto s = RunProgram(kPascal, {"var r: Integer;",
                                "procedure P; var varNull: Integer; begin varNull := 5; r := varNull; end;",
                                "begin P; r := r + varNull; end."});
  EXPECT_EQ(s->Variable(QStringLiteral("r")).ToInt32(), 6);
}

TEST_F(SystemNames, FunctionsCarryTheirCategories) {
  const struct { const char* name; const char* category; } cases[] = {
      {"Copy", "ctString"},      {"IntToStr", "ctConv"},    {"FormatFloat", "ctFormat"},
      {"EncodeDate", "ctDate"},  {"Round", "ctMath"},       {"VarType", "ctOther"},
      {"SetLength", "ctString"}, {"Format", "ctFormat"},    {"DaysInMonth", "ctDate"}};
  TscScript script;
  script.AddRTTI();
  for (const auto& c : cases) {
    auto* method = dynamic_cast<TscMethodHelper*>(script.Find(QString::fromLatin1(c.name)));
    ASSERT_NE(method, nullptr) << c.name;
    EXPECT_EQ(method->FCategory, QString::fromLatin1(c.category)) << c.name;
  }
}

}  // namespace
