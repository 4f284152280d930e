// JScript: source text against the intermediate form it produces and against the syntax errors
// it reports.
#include <gtest/gtest.h>

#include "syntax_cases.h"

namespace {

const QString kSyntax = QStringLiteral("JScript");

class JScriptForm : public testing::TestWithParam<FormCase> {};

TEST_P(JScriptForm, ProducesIntermediateForm) { ExpectForm(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Declarations, JScriptForm, testing::Values(
    FormCase{"EmptyProgram", {""}, "compoundstmt"},
    FormCase{"VariablesAndArray", {"var a = 1, b[3];"},
             "compoundstmt(var(ident:a init(expr(number:1))) var(ident:b array(dim(expr(number:3)))))"},
    FormCase{"FunctionWithReferenceParameter", {"function f(x, &y) { return x + y; }"},
             "compoundstmt(function(name:f parameters(var(ident:x) var(varparam:& ident:y)) "
             "compoundstmt(return(expr(dsgn(node:x) op:+ dsgn(node:y))))))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Statements, JScriptForm, testing::Values(
    FormCase{"SemicolonsAreOptional", {"x = 1", "y = 2;"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)) "
             "assignstmt(dsgn(node:y) expr(number:2)))"},
    FormCase{"KeywordsIgnoreCase", {"If (x) y = 1"},
             "compoundstmt(ifstmt(expr(dsgn(node:x)) thenstmt(assignstmt(dsgn(node:y) expr(number:1)))))"},
    FormCase{"IfElseWithBlock", {"if (a == 1) b = 2; else { b = 3 }"},
             "compoundstmt(ifstmt(expr(dsgn(node:a) op:= number:1) thenstmt(assignstmt(dsgn(node:b) "
             "expr(number:2))) elsestmt(compoundstmt(assignstmt(dsgn(node:b) expr(number:3))))))"},
    FormCase{"ForAndWhile", {"for (i = 0; i < 3; i++) s += i;", "while (a) a--;"},
             "compoundstmt(cppforstmt(assignstmt(dsgn(node:i) expr(number:0)) expr(dsgn(node:i) "
             "op:< number:3) callstmt(dsgn(node:i) modificator:+) assignstmt(dsgn(node:s) "
             "modificator:+ expr(dsgn(node:i)))) whilestmt(expr(dsgn(node:a)) "
             "callstmt(dsgn(node:a) modificator:-)))"},
    FormCase{"DoSwitchTryWith",
             {"do a++; while (a < 3);", "switch (a) { case 1: x(); default: y(); }",
              "try { a(); } except { b(); }", "with (o) x = 1;"},
             "compoundstmt(repeatstmt(callstmt(dsgn(node:a) modificator:+) expr(dsgn(node:a) op:< "
             "number:3) inverse:) casestmt(expr(dsgn(node:a)) caseselector(set(expr(number:1)) "
             "callstmt(dsgn(node:x))) callstmt(dsgn(node:y))) trystmt(compoundstmt(callstmt("
             "dsgn(node:a))) exceptstmt(compoundstmt(callstmt(dsgn(node:b))))) with(dsgn(node:o) "
             "assignstmt(dsgn(node:x) expr(number:1))))"},
    FormCase{"DeleteAndNew", {"delete o; o = new T(1)"},
             "compoundstmt(delete(dsgn(node:o)) assignstmt(dsgn(node:o) "
             "expr(new(dsgn(node:T expr(number:1))))))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Expressions, JScriptForm, testing::Values(
    FormCase{"EscapesAndHexNumbers", {"x = \"a\\nb\\q\" + 0x10"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(string:'a\nbq' op:+ number:$10)))"},
    FormCase{"LogicalOperators", {"y = !(a || b) && c"},
             "compoundstmt(assignstmt(dsgn(node:y) expr(op:not op:( expr(dsgn(node:a) op:or "
             "dsgn(node:b)) op:) op:and dsgn(node:c))))"},
    FormCase{"ReportReference", {"z = <ds.\"f\">"},
             "compoundstmt(assignstmt(dsgn(node:z) expr(dsgn(node:Get expr(string:'ds.\"f\"')))))"}
), CaseName<FormCase>);

class JScriptError : public testing::TestWithParam<ErrorCase> {};

TEST_P(JScriptError, StopsWithMessageAndPosition) { ExpectError(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SyntaxErrors, JScriptError, testing::Values(
    ErrorCase{"TextThatIsNoStatement", {"x = 1;", ")"}, "Statement expected", "2:1"},
    ErrorCase{"IfWithoutBracket", {"if x == 1 y = 2;"}, "'(' expected", "1:4"},
    ErrorCase{"WhileWithoutClosingBracket", {"while (x y();"}, "')' expected", "1:10"},
    ErrorCase{"DoWithoutWhile", {"do x++ (x);"}, "'WHILE' expected", "1:8"},
    ErrorCase{"SwitchWithoutBlock", {"switch (x) case 1: a();"}, "'{' expected", "1:12"},
    ErrorCase{"CaseWithoutColon", {"switch (x) { case 1 a(); }"}, "':' expected", "1:21"},
    ErrorCase{"TryWithoutHandler", {"try { a(); }"}, "'FINALLY' or 'EXCEPT' expected", "2:1"},
    ErrorCase{"UnclosedBlock", {"{ a();"}, "'}' expected", "2:1"},
    ErrorCase{"UnclosedIndex", {"x = a[1;"}, "']' expected", "1:8"},
    ErrorCase{"DoWhileWithoutSemicolon", {"do x++; while (x) y"}, "';' expected", "1:19"},
    ErrorCase{"ForWithoutSemicolon", {"for (i = 0 i < 3; i++) ;"}, "';' expected", "1:12"},
    ErrorCase{"MissingExpression", {"x = ;"}, "Expression expected", "1:5"}
), CaseName<ErrorCase>);

}  // namespace
