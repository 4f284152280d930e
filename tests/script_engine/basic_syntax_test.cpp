// BasicScript: source text against the intermediate form it produces and against the syntax
// errors it reports. Line ends are significant in this syntax.
#include <gtest/gtest.h>

#include "syntax_cases.h"

namespace {

const QString kSyntax = QStringLiteral("BasicScript");

class BasicForm : public testing::TestWithParam<FormCase> {};

TEST_P(BasicForm, ProducesIntermediateForm) { ExpectForm(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Lines, BasicForm, testing::Values(
    FormCase{"ColonSeparatesStatements", {"x = 1 : y = 2"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)) "
             "assignstmt(dsgn(node:y) expr(number:2)))"},
    FormCase{"BlankLinesAreSkipped", {"x = 1", "", "", "y=2"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)) "
             "assignstmt(dsgn(node:y) expr(number:2)))"},
    FormCase{"UnderscoreContinuesLine", {"y = _", "  2"},
             "compoundstmt(assignstmt(dsgn(node:y) expr(number:2)))"},
    FormCase{"NameMayBeginWithUnderscore", {"_x = 1"},
             "compoundstmt(assignstmt(dsgn(node:_x) expr(number:1)))"},
    FormCase{"CommentsAfterCodeAndOnOwnLines",
             {"x = 1 ' c", "  ' indented", "' first column", "rem whole line", "y = 3 rem d"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)) "
             "assignstmt(dsgn(node:y) expr(number:3)))"},
    FormCase{"NameBeginningWithRemIsNoComment", {"remark = 2"},
             "compoundstmt(assignstmt(dsgn(node:remark) expr(number:2)))"},
    FormCase{"BlockComment", {"x = 1 /\\ c", " d /\\ + 2"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:+ number:2)))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Statements, BasicForm, testing::Values(
    FormCase{"DimWithTypeAndInitialValue", {"dim a, b as integer = 5"},
             "compoundstmt(var(ident:a) var(ident:b type:integer init(expr(number:5))))"},
    FormCase{"IfBlockWithElseIfAndElse",
             {"If x > 1 Then", "  y = 2", "ElseIf x < 0 Then", "  y = 3", "Else", "  y = 4", "End If"},
             "compoundstmt(ifstmt(expr(dsgn(node:x) op:> number:1) "
             "thenstmt(compoundstmt(assignstmt(dsgn(node:y) expr(number:2)))) "
             "elsestmt(ifstmt(expr(dsgn(node:x) op:< number:0) "
             "thenstmt(compoundstmt(assignstmt(dsgn(node:y) expr(number:3)))) "
             "elsestmt(compoundstmt(assignstmt(dsgn(node:y) expr(number:4))))))))"},
    FormCase{"SingleLineIf", {"If a Then b = 1 : c = 2"},
             "compoundstmt(ifstmt(expr(dsgn(node:a)) thenstmt(assignstmt(dsgn(node:b) "
             "expr(number:1)) assignstmt(dsgn(node:c) expr(number:2)))))"},
    FormCase{"ForWithStep", {"For i = 1 To 10 Step 2", "  s = s + i", "Next"},
             "compoundstmt(vbforstmt(ident:i expr(number:1) expr(number:10) expr(number:2) "
             "compoundstmt(assignstmt(dsgn(node:s) expr(dsgn(node:s) op:+ dsgn(node:i))))))"},
    FormCase{"WhileAndDoLoops",
             {"While x < 3", " x = x + 1", "Wend", "Do", " x = x - 1", "Loop Until x = 0",
              "Do", "Loop While x"},
             "compoundstmt(whilestmt(expr(dsgn(node:x) op:< number:3) "
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:x) op:+ number:1)))) "
             "repeatstmt(compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:x) op:- number:1))) "
             "expr(dsgn(node:x) op:= number:0)) repeatstmt(compoundstmt expr(dsgn(node:x)) inverse:))"},
    FormCase{"SelectCase",
             {"Select Case x", "Case 1: a", "Case 2, 3: b", "Case Else: c", "End Select"},
             "compoundstmt(casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1)) "
             "compoundstmt(callstmt(dsgn(node:a)))) caseselector(set(expr(number:2) "
             "expr(number:3)) compoundstmt(callstmt(dsgn(node:b)))) "
             "compoundstmt(callstmt(dsgn(node:c)))))"},
    FormCase{"SubAndFunction",
             {"Sub P", "End Sub", "Function F(ByRef a, ByVal b As decimal) As Integer",
              "  Return a * 2", "End Function"},
             "compoundstmt(procedure(name:P exit) function(name:F parameters(varparams var(ident:a) "
             "var(ident:b type:decimal)) type:Integer compoundstmt(return(expr(dsgn(node:a) "
             "op:* number:2))) exit))"},
    FormCase{"TryCatchAndWith", {"Try", " a", "Catch", " b", "End Try", "With o", " x = 1", "End With"},
             "compoundstmt(trystmt(compoundstmt(callstmt(dsgn(node:a))) "
             "exceptstmt(compoundstmt(callstmt(dsgn(node:b))))) with(dsgn(node:o) "
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))))"},
    FormCase{"SetNewAndAddressOf", {"Set o = New TObject", "x = AddressOf P"},
             "compoundstmt(assignstmt(assignstmt(dsgn(node:o) expr(new(dsgn(node:TObject))))) "
             "assignstmt(dsgn(node:x) expr(dsgn(addr:AddressOf node:P))))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Expressions, BasicForm, testing::Values(
    FormCase{"AmpersandJoinsStrings", {"z = a & \"s\""},
             "compoundstmt(assignstmt(dsgn(node:z) expr(dsgn(node:a) op:strcat string:'s')))"},
    FormCase{"StringsAndHexNumbers", {"x = \"a\"\"b\" & 0xFF"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(string:'a\"b' op:strcat number:$FF)))"},
    FormCase{"IntegerDivisionAndMod", {"x = 7 \\ 2 mod 3"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:7 op:div number:2 op:mod number:3)))"},
    FormCase{"ReportReference", {"x = <ds.\"f\">"},
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Get expr(string:'ds.\"f\"')))))"}
), CaseName<FormCase>);

class BasicError : public testing::TestWithParam<ErrorCase> {};

TEST_P(BasicError, StopsWithMessageAndPosition) { ExpectError(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SyntaxErrors, BasicError, testing::Values(
    ErrorCase{"TwoStatementsOnOneLine", {"x = 1 y = 2"}, "End of line expected", "1:7"},
    ErrorCase{"IfWithoutThen", {"If x > 1 y = 2"}, "'THEN' expected", "1:10"},
    ErrorCase{"IfBlockWithoutEndIf", {"If x Then", " a", "End"}, "'IF' expected", "3:4"},
    ErrorCase{"IfBlockNeverClosed", {"If x Then", " y = 1"}, "'END' expected", "3:1"},
    ErrorCase{"ForWithoutTo", {"For i = 1 10", "Next"}, "'TO' expected", "1:11"},
    ErrorCase{"ForWithoutEquals", {"For i 1 To 10", "Next"}, "'=' expected", "1:7"},
    ErrorCase{"ForWithoutNext", {"For i = 1 To 10"}, "'NEXT' expected", "2:1"},
    ErrorCase{"WhileWithoutWend", {"While x"}, "'WEND' expected", "2:1"},
    ErrorCase{"LoopWithoutCondition", {"Do", "Loop x"}, "'WHILE' expected", "2:6"},
    ErrorCase{"SelectWithoutCase", {"Select x", "End Select"}, "'CASE' expected", "1:8"},
    ErrorCase{"CaseElseWithoutColon", {"Select Case x", "Case 1: a", "Case Else a", "End Select"},
              "':' expected", "3:11"},
    ErrorCase{"SelectNotClosed", {"Select Case x", "Case 1: a", "End"}, "'SELECT' expected", "3:4"},
    ErrorCase{"TryWithoutHandler", {"Try", " a", "End Try"}, "'FINALLY' or 'CATCH' expected", "3:1"},
    ErrorCase{"TryNotClosed", {"Try", " a", "Finally", " b", "End"}, "'TRY' expected", "5:4"},
    ErrorCase{"WithNotClosed", {"With o", " x = 1", "End"}, "'WITH' expected", "3:4"},
    ErrorCase{"SubNotClosed", {"Sub P", "End"}, "'SUB' expected", "2:4"},
    ErrorCase{"FunctionNotClosed", {"Function F", "End"}, "'FUNCTION' expected", "2:4"},
    ErrorCase{"UnclosedBracket", {"x = (1 + 2"}, "')' expected", "1:11"},
    ErrorCase{"MissingExpression", {"x = "}, "Expression expected", "1:5"},
    ErrorCase{"TextThatIsNoStatement", {"x = 1", "With o", "  .x = 1", "End With"},
              "End of line expected", "2:1"}
), CaseName<ErrorCase>);

}  // namespace
