// C++Script: source text against the intermediate form it produces and against the syntax errors
// it reports. Keywords of this syntax are case-sensitive.
#include <gtest/gtest.h>

#include "syntax_cases.h"

namespace {

const QString kSyntax = QStringLiteral("C++Script");

class CppForm : public testing::TestWithParam<FormCase> {};

TEST_P(CppForm, ProducesIntermediateForm) { ExpectForm(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Declarations, CppForm, testing::Values(
    FormCase{"EmptyProgram", {"{}"}, "compoundstmt"},
    FormCase{"VariablesTypeFirst", {"int x, y = 5;", "{}"},
             "var(type:int ident:x ident:y init(expr(number:5))) compoundstmt"},
    FormCase{"DefineAndTwoDimensionalArray", {"#define C 5", "int a[10][C];", "{ a[1][2] = 0x1F; }"},
             "const(ident:C expr(number:5)) var(type:int ident:a array(dim(expr(number:10)) "
             "dim(expr(dsgn(node:C))))) compoundstmt(assignstmt(dsgn(node:a node:[ expr(number:1) "
             "expr(number:2)) expr(number:$1F)))"},
    FormCase{"FunctionsWithParameters",
             {"void f(int a, string &b) { return; }", "float g(int a = 1) { return a * 2.5; }", "{}"},
             "function(type:void name:f parameters(var(type:int ident:a) "
             "var(type:string varparam:& ident:b)) compoundstmt(return)) "
             "function(type:float name:g parameters(var(type:int ident:a init(expr(number:1)))) "
             "compoundstmt(return(expr(dsgn(node:a) op:* number:2.5)))) compoundstmt"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Statements, CppForm, testing::Values(
    FormCase{"CompoundAssignmentAndIncrement", {"{ x = 1; x += 2; y++; z--; }"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)) "
             "assignstmt(dsgn(node:x) modificator:+ expr(number:2)) "
             "callstmt(dsgn(node:y) modificator:+) callstmt(dsgn(node:z) modificator:-))"},
    FormCase{"IfElseWithBlockAndEmptyStatement", {"{ if (x) { } else ; }"},
             "compoundstmt(ifstmt(expr(dsgn(node:x)) thenstmt(compoundstmt) elsestmt(empty)))"},
    FormCase{"ForLoop", {"{ for (i = 0; i < 10; i++) s = s + i; }"},
             "compoundstmt(cppforstmt(compoundstmt(assignstmt(dsgn(node:i) expr(number:0))) "
             "expr(dsgn(node:i) op:< number:10) compoundstmt(callstmt(dsgn(node:i) modificator:+)) "
             "assignstmt(dsgn(node:s) expr(dsgn(node:s) op:+ dsgn(node:i)))))"},
    FormCase{"WhileAndDoWhile", {"{ while (x != 0) x--; do x = x - 1; while (x > 0); }"},
             "compoundstmt(whilestmt(expr(dsgn(node:x) op:<> number:0) "
             "callstmt(dsgn(node:x) modificator:-)) repeatstmt(assignstmt(dsgn(node:x) "
             "expr(dsgn(node:x) op:- number:1)) expr(dsgn(node:x) op:> number:0) inverse:))"},
    FormCase{"Switch", {"{ switch (x) { case 1: a(); case 2..3: b(); default: c(); } }"},
             "compoundstmt(casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1)) "
             "callstmt(dsgn(node:a))) caseselector(set(expr(number:2) range:. expr(number:3)) "
             "callstmt(dsgn(node:b))) callstmt(dsgn(node:c))))"},
    FormCase{"TryDeleteNew",
             {"{ try { a(); } finally { b(); } delete o; o = new TObject(); }"},
             "compoundstmt(trystmt(compoundstmt(callstmt(dsgn(node:a))) "
             "finallystmt(compoundstmt(callstmt(dsgn(node:b))))) delete(dsgn(node:o)) "
             "assignstmt(dsgn(node:o) expr(new(dsgn(node:TObject)))))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Expressions, CppForm, testing::Values(
    FormCase{"LogicalOperators", {"{ z = !a && b || c; }"},
             "compoundstmt(assignstmt(dsgn(node:z) expr(op:not dsgn(node:a) op:and dsgn(node:b) "
             "op:or dsgn(node:c))))"},
    FormCase{"ComparisonAndBitOperators", {"{ b = f() >= 1 ^ 0; x = 1 % 2 << 3 >> 1; }"},
             "compoundstmt(assignstmt(dsgn(node:b) expr(dsgn(node:f) op:>= number:1 op:xor "
             "number:0)) assignstmt(dsgn(node:x) expr(number:1 op:mod number:2 op:shl number:3 "
             "op:shr number:1)))"},
    FormCase{"EqualityIsDoubled", {"{ if (x == 1) y = 2; }"},
             "compoundstmt(ifstmt(expr(dsgn(node:x) op:= number:1) "
             "thenstmt(assignstmt(dsgn(node:y) expr(number:2)))))"},
    FormCase{"StringPartsAndEscapes", {"// c", "/* d */ { /* e */ x = \"a\"\"b\"; y = \"\\x41\\\"\\\\\"; }"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(string:'ab')) "
             "assignstmt(dsgn(node:y) expr(string:'A\"\\')))"},
    FormCase{"AddressOperator", {"{ f(&g); }"},
             "compoundstmt(callstmt(dsgn(node:f expr(dsgn(addr:& node:g)))))"},
    FormCase{"ReportReference", {"{ x = <ds.\"f\">; }"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Get expr(string:'ds.\"f\"')))))"}
), CaseName<FormCase>);

class CppError : public testing::TestWithParam<ErrorCase> {};

TEST_P(CppError, StopsWithMessageAndPosition) { ExpectError(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SyntaxErrors, CppError, testing::Values(
    // "IF" is no keyword here: it reads as a call of a function IF, followed by a stray name.
    ErrorCase{"UpperCaseKeywordIsAName", {"{", "  IF (x) y = 1;", "}"}, "';' expected", "2:10"},
    ErrorCase{"MixedCaseKeywordIsAName", {"{ If (x) y = 1; }"}, "';' expected", "1:10"},
    ErrorCase{"IfWithoutBracket", {"{ if x) y = 1; }"}, "'(' expected", "1:6"},
    ErrorCase{"IfWithoutClosingBracket", {"{ if (x y = 1; }"}, "')' expected", "1:9"},
    ErrorCase{"StatementWithoutSemicolon", {"{ x = 1 }"}, "';' expected", "1:9"},
    ErrorCase{"DeclarationWithoutSemicolon", {"int x"}, "';' expected", "2:1"},
    ErrorCase{"SwitchWithoutBlock", {"{ switch (x) case 1: a(); }"}, "'{' expected", "1:14"},
    ErrorCase{"DoWithoutWhile", {"{ do x++; (x); }"}, "'WHILE' expected", "1:11"},
    ErrorCase{"TryWithoutHandler", {"{ try { a(); } }"}, "'FINALLY' or 'EXCEPT' expected", "1:16"},
    ErrorCase{"MisspelledDefine", {"#defin C 5", "{}"}, "'DEFINE' expected", "1:2"},
    ErrorCase{"MissingExpression", {"{ x = ; }"}, "Expression expected", "1:7"},
    ErrorCase{"UnclosedBlock", {"{ x = 1;"}, "'}' expected", "2:1"},
    ErrorCase{"ForWithoutSemicolon", {"{ for (i = 0 i < 3; i++) ; }"}, "';' expected", "1:14"},
    ErrorCase{"UnclosedIndex", {"{ x = a[1; }"}, "']' expected", "1:10"},
    ErrorCase{"TextAfterMainBlock", {"{ x = 1; } y = 2;"}, "Statement expected", "1:12"}
), CaseName<ErrorCase>);

}  // namespace
