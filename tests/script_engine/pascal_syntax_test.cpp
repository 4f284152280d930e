// PascalScript: source text against the intermediate form it produces and against the syntax
// errors it reports.
#include <gtest/gtest.h>

#include "il_render.h"
#include "syntax_cases.h"

namespace {

const QString kSyntax = QStringLiteral("PascalScript");

class PascalForm : public testing::TestWithParam<FormCase> {};

TEST_P(PascalForm, ProducesIntermediateForm) { ExpectForm(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Declarations, PascalForm, testing::Values(
    FormCase{"EmptyProgram", {"begin", "", "end."}, "compoundstmt"},
    FormCase{"VarSectionFollowedByBegin", {"var", "  a, b: Integer;", "begin", "end."},
             "var(ident:a ident:b type:Integer) compoundstmt"},
    FormCase{"ConstAndArrayWithInitialValue",
             {"const c = 5;", "var a: array[0..c] of Integer = 1;", "begin end."},
             "const(ident:c expr(number:5)) "
             "var(ident:a array(dim(expr(number:0) expr(dsgn(node:c)))) type:Integer "
             "init(expr(number:1))) compoundstmt"},
    FormCase{"ProgramHeaderIsNotWritten", {"program p;", "begin end."}, "compoundstmt"},
    FormCase{"ProceduresAndFunctions",
             {"procedure P(var a: Integer; const b, c: String);", "begin", "end;",
              "function F: Integer;", "begin Result := 1 end;", "begin P(x, 1, 2) end."},
             "procedure(name:P parameters(varparams var(ident:a type:Integer) "
             "var(ident:b ident:c type:String)) compoundstmt) "
             "function(name:F type:Integer compoundstmt(assignstmt(dsgn(node:Result) "
             "expr(number:1)))) "
             "compoundstmt(callstmt(dsgn(node:P expr(dsgn(node:x)) expr(number:1) expr(number:2))))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Statements, PascalForm, testing::Values(
    FormCase{"Assignment", {"begin x := 1 end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"},
    FormCase{"KeywordsIgnoreCase", {"BEGIN X := 1 End."},
             "compoundstmt(assignstmt(dsgn(node:X) expr(number:1)))"},
    FormCase{"IfThenElse", {"begin if a > 1 then b := 2 else b := 3 end."},
             "compoundstmt(ifstmt(expr(dsgn(node:a) op:> number:1) "
             "thenstmt(assignstmt(dsgn(node:b) expr(number:2))) "
             "elsestmt(assignstmt(dsgn(node:b) expr(number:3)))))"},
    FormCase{"ForDowntoWithJumps",
             {"begin for i := 10 downto 1 do begin if i = 5 then break; "
              "if i = 7 then continue; exit end end."},
             "compoundstmt(forstmt(ident:i expr(number:10) downto:downto expr(number:1) "
             "compoundstmt(ifstmt(expr(dsgn(node:i) op:= number:5) thenstmt(break)) "
             "ifstmt(expr(dsgn(node:i) op:= number:7) thenstmt(continue)) exit)))"},
    FormCase{"CaseWithRangesAndElse",
             {"begin", "  case i of", "    1: a;", "    2, 3..4: b;", "  else c;", "  end;", "end."},
             "compoundstmt(casestmt(expr(dsgn(node:i)) "
             "caseselector(set(expr(number:1)) callstmt(dsgn(node:a))) "
             "caseselector(set(expr(number:2) expr(number:3) range:. expr(number:4)) "
             "callstmt(dsgn(node:b))) callstmt(dsgn(node:c))))"},
    FormCase{"LoopsTryAndWith",
             {"begin try x; finally y; end; while a do b; repeat c until d; with e, f.g do h; end."},
             "compoundstmt(trystmt(callstmt(dsgn(node:x)) finallystmt(callstmt(dsgn(node:y)))) "
             "whilestmt(expr(dsgn(node:a)) callstmt(dsgn(node:b))) "
             "repeatstmt(callstmt(dsgn(node:c)) expr(dsgn(node:d))) "
             "with(dsgn(node:e) dsgn(node:f node:g) callstmt(dsgn(node:h))))"},
    FormCase{"TryExcept", {"begin try a except b; c end end."},
             "compoundstmt(trystmt(callstmt(dsgn(node:a)) "
             "exceptstmt(callstmt(dsgn(node:b)) callstmt(dsgn(node:c)))))"},
    FormCase{"CommentsDisappear", {"{ c } (* d *) // e", "begin // f", "  x := 1 { g }", "end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"}
), CaseName<FormCase>);

INSTANTIATE_TEST_SUITE_P(Expressions, PascalForm, testing::Values(
    FormCase{"OperatorStreamInSourceOrder", {"begin x := -(1 + 2) * 3 end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(op:unminus op:( "
             "expr(number:1 op:+ number:2) op:) op:* number:3)))"},
    FormCase{"WordOperators", {"begin x := 1 div 2 mod 3 shl 1 shr 2 xor 5 end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:div number:2 op:mod "
             "number:3 op:shl number:1 op:shr number:2 op:xor number:5)))"},
    FormCase{"Comparisons",
             {"begin b := (a >= 1) and (a <> b) or (a <= c) xor (a in [1]) or (o is T) end."},
             "compoundstmt(assignstmt(dsgn(node:b) expr(op:( expr(dsgn(node:a) op:>= number:1) "
             "op:) op:and op:( expr(dsgn(node:a) op:<> dsgn(node:b)) op:) op:or "
             "op:( expr(dsgn(node:a) op:<= dsgn(node:c)) op:) op:xor "
             "op:( expr(dsgn(node:a) op:in set(expr(number:1))) op:) op:or "
             "op:( expr(dsgn(node:o) op:is dsgn(node:T)) op:))))"},
    FormCase{"NotIsAnOperator", {"begin x := not a end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(op:not dsgn(node:a))))"},
    FormCase{"DesignatorParts", {"begin a.b[1, 2](3); P(@Q) end."},
             "compoundstmt(callstmt(dsgn(node:a node:b node:[ expr(number:1) expr(number:2) "
             "expr(number:3))) callstmt(dsgn(node:P expr(dsgn(addr:@ node:Q)))))"},
    FormCase{"StringsAndNumbers",
             {"begin s := 'it''s' + 'a'#65 + #$42; h := $FF; f := 1.5E+3 end."},
             "compoundstmt(assignstmt(dsgn(node:s) expr(string:'it's' op:+ string:'aA' "
             "op:+ string:'B')) assignstmt(dsgn(node:h) expr(number:$FF)) "
             "assignstmt(dsgn(node:f) expr(number:1.5E+3)))"},
    FormCase{"SetWithNamedRange", {"begin x := [a..b] end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(set(expr(dsgn(node:a)) range:. "
             "expr(dsgn(node:b))))))"},
    FormCase{"ReportReferenceIsCallOfGet", {"begin y := <ds.\"f\"> end."},
             "compoundstmt(assignstmt(dsgn(node:y) expr(dsgn(node:Get "
             "expr(string:'ds.\"f\"')))))"}
), CaseName<FormCase>);

class PascalError : public testing::TestWithParam<ErrorCase> {};

TEST_P(PascalError, StopsWithMessageAndPosition) { ExpectError(kSyntax, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SyntaxErrors, PascalError, testing::Values(
    ErrorCase{"ColonAndEqualsApart", {"var x: Integer;", "begin", "  x : = 1;", "end."},
              "'=' expected", "3:7"},
    ErrorCase{"MissingSeparator", {"begin x := 1 y := 2 end."}, "';' expected", "1:14"},
    ErrorCase{"MissingThen", {"begin if a b := 1 end."}, "'THEN' expected", "1:12"},
    ErrorCase{"MissingDo", {"begin while a b end."}, "'DO' expected", "1:15"},
    ErrorCase{"ForWithoutColon", {"begin for i = 1 to 2 do end."}, "':' expected", "1:13"},
    ErrorCase{"ForWithoutTo", {"begin for i := 1 at 2 do end."}, "'TO' or 'DOWNTO' expected", "1:18"},
    ErrorCase{"RepeatWithoutUntil", {"begin repeat x; end."}, "'UNTIL' expected", "1:17"},
    ErrorCase{"TryWithoutHandler", {"begin try x; end."}, "'FINALLY' or 'EXCEPT' expected", "1:14"},
    ErrorCase{"CaseWithoutOf", {"begin case x 1: end."}, "'OF' expected", "1:14"},
    ErrorCase{"NoMainBlock", {"x := 1;"}, "'BEGIN' expected", "1:1"},
    ErrorCase{"ConstWithoutEquals", {"const c 5; begin end."}, "'=' expected", "1:9"},
    ErrorCase{"MissingExpression", {"begin x := ; end."}, "Expression expected", "1:12"},
    ErrorCase{"UnclosedBracket", {"begin x := (1 + 2; end."}, "')' expected", "1:18"},
    ErrorCase{"UnclosedIndex", {"begin x := a[1; end."}, "']' expected", "1:15"},
    ErrorCase{"UnclosedReference", {"begin x := <a; end."}, "'>' expected", "2:1"},
    ErrorCase{"MissingFinalDot", {"begin", "end"}, "'.' expected", "3:1"},
    ErrorCase{"HeadingWithoutSemicolon", {"procedure P begin end; begin end."}, "';' expected", "1:13"},
    ErrorCase{"FunctionWithoutResultColon",
              {"function F(a: Integer) Integer; begin end; begin end."}, "':' expected", "1:24"},
    ErrorCase{"KeywordAsIdentifier", {"var begin: Integer; begin end."}, "Identifier expected", "1:5"}
), CaseName<ErrorCase>);

}  // namespace
