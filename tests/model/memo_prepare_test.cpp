// Preparing a text object: embedded expressions with their formats, macros, zeros, highlights,
// styles, repeated values, flowing text, and the definition restored after each output.
#include "report/memo/memo_view.h"

#include <gtest/gtest.h>

#include "memo_test_support.h"
#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/memo/memo_macros.h"
#include "report/memo/memo_value_format.h"
#include "report/memo/styles.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"

namespace {

class MemoPrepare : public ::testing::Test {
 protected:
  QString prepared(const QString& text) {
    memo->SetText(text);
    memo->GetData();
    return memo->Text();
  }
  CalcTableReport report;
  TrpMemoView* memo = new TrpMemoView(&report);
};

TEST_F(MemoPrepare, ExpressionsAreReplacedByTheirValues) {
  report.Values = {{"a", ScriptValue(1)}, {"b", ScriptValue("two")}};
  EXPECT_EQ(prepared(QStringLiteral("[a] and [b]!")), QStringLiteral("1 and two!\r\n"));
  EXPECT_EQ(memo->Value(), ScriptValue("two"));
  EXPECT_EQ(report.LocalValue(), ScriptValue("two"));
}

TEST_F(MemoPrepare, NestedBracketsAreOneExpression) {
  report.Values = {{"[a]", ScriptValue(5)}, {"'['", ScriptValue("q")}};
  EXPECT_EQ(prepared(QStringLiteral("[[a]]")), QStringLiteral("5\r\n"));
  EXPECT_EQ(prepared(QStringLiteral("['[']")), QStringLiteral("q\r\n"));
  EXPECT_EQ(report.Asked, (QStringList{"[a]", "'['"}));
}

TEST_F(MemoPrepare, EachExpressionTakesTheNextFormatAndTheLastOneRepeats) {
  if (rpSystemDecimalSeparator() != u'.') GTEST_SKIP();
  memo->DisplayFormat()->SetKind(fkNumeric);
  memo->DisplayFormat()->SetFormatStr(QStringLiteral("%.1f"));
  TrpFormat* second = memo->Formats().Add();
  second->SetKind(fkNumeric);
  second->SetFormatStr(QStringLiteral("%.3f"));
  report.Values = {{"x", ScriptValue(1.5)}};
  EXPECT_EQ(prepared(QStringLiteral("[x] [x] [x]")), QStringLiteral("1.5 1.500 1.500\r\n"));
}

TEST_F(MemoPrepare, AnInlineFormatIsUsedForItsExpressionOnly) {
  if (rpSystemDecimalSeparator() != u'.') GTEST_SKIP();
  report.Values = {{"x", ScriptValue(3.14159)}};
  EXPECT_EQ(prepared(QStringLiteral("[x #n%2.2f]|[x #n%2,2f]|[x]")), QStringLiteral("3.14|3,14|3.14159\r\n"));
  EXPECT_EQ(memo->DisplayFormat()->Kind(), fkText);
}

TEST_F(MemoPrepare, ACallWithHashIsOneExpression) {
  report.Values = {{"f(x #1)", ScriptValue(7)}};
  EXPECT_EQ(prepared(QStringLiteral("[f(x #1)]")), QStringLiteral("7\r\n"));
}

TEST_F(MemoPrepare, PageCountAndCopyNameAreLeftForDrawing) {
  EXPECT_EQ(prepared(QStringLiteral("Page of [totalpages#], [CopyName#]")),
            QStringLiteral("Page of [TotalPages#], [CopyName#]\r\n"));
  EXPECT_TRUE(report.Asked.isEmpty());
}

TEST_F(MemoPrepare, HideZerosEmptiesNumericZerosOnly) {
  memo->SetHideZeros(true);
  report.Values = {{"n", ScriptValue(0)}, {"d", ScriptValue(0.0)}, {"s", ScriptValue("0")}, {"one", ScriptValue(1)}};
  EXPECT_EQ(prepared(QStringLiteral("<[n]><[d]><[s]><[one]>")), QStringLiteral("<><><0><1>\r\n"));
}

TEST_F(MemoPrepare, OtherDelimitersAndNoExpressions) {
  report.Values = {{"a", ScriptValue(1)}};
  memo->SetExpressionDelimiters(QStringLiteral("<%,%>"));
  EXPECT_EQ(prepared(QStringLiteral("[a] <%a%>")), QStringLiteral("[a] 1\r\n"));
  memo->SetAllowExpressions(false);
  EXPECT_EQ(prepared(QStringLiteral("<%a%>")), QStringLiteral("<%a%>\r\n"));
}

// The text is split into pieces and expressions once and evaluated for every output; each way of
// changing the text or its delimiters between outputs must be seen by the next one.
TEST_F(MemoPrepare, EveryOutputEvaluatesTheTextAsItStandsThen) {
  report.Values = {{"a", ScriptValue(1)}, {"b", ScriptValue("two")}};
  const auto output = [&] {
    memo->BeforePrint();
    memo->GetData();
    const QString shown = memo->Text();
    memo->AfterPrint();
    return shown;
  };
  memo->SetText(QStringLiteral("x[a]y"));
  EXPECT_EQ(output(), QStringLiteral("x1y\r\n"));
  report.Values[QStringLiteral("a")] = ScriptValue(2);
  EXPECT_EQ(output(), QStringLiteral("x2y\r\n")) << "values are not kept, only the split";
  memo->Lines()[0] = QStringLiteral("[b]");
  EXPECT_EQ(output(), QStringLiteral("two\r\n")) << "a line changed in place";
  memo->SetText(QStringLiteral("[a] <a>"));
  EXPECT_EQ(output(), QStringLiteral("2 <a>\r\n"));
  memo->SetExpressionDelimiters(QStringLiteral("<,>"));
  EXPECT_EQ(output(), QStringLiteral("[a] 2\r\n")) << "other delimiters, same lines";
  memo->SetMemo(QStringList{QStringLiteral("<a>"), QStringLiteral("<b>")});
  EXPECT_EQ(output(), QStringLiteral("2\r\ntwo\r\n"));
  memo->SetText(QStringLiteral("no brackets"));
  EXPECT_EQ(output(), QStringLiteral("no brackets\r\n"));
}

// A text of one expression takes the value as its line without building the whole text: its lines
// must be those the whole text splits into, whatever line ends the value holds.
TEST_F(MemoPrepare, ATextOfOneExpressionHasTheLinesOfTheWholeText) {
  for (const char* value : {"", "x", "a\r\nb", "a\r\n", "a\n", "a\r", "\r\n", "a\n\nb"}) {
    report.Values = {{"v", ScriptValue(QString::fromLatin1(value))}, {"nothing", ScriptValue(QString())}};
    memo->SetText(QStringLiteral("[v]"));
    memo->GetData();
    const QStringList alone = memo->Memo();
    memo->SetText(QStringLiteral("[v][nothing]"));  // two expressions: the whole text is built
    memo->GetData();
    EXPECT_EQ(alone, memo->Memo()) << QString::fromLatin1(value).toUtf8().toPercentEncoding().constData();
  }
}

TEST_F(MemoPrepare, EvaluationErrorsPropagate) {
  memo->SetText(QStringLiteral("[missing]"));
  EXPECT_THROW(memo->GetData(), TrpError);
}

TEST(MemoWithoutReport, AnExpressionIsAClearError) {
  TrpMemoView memo(nullptr);
  memo.SetText(QStringLiteral("[a]"));
  EXPECT_THROW(memo.GetData(), TrpError);
}

TEST_F(MemoPrepare, AfterPrintRestoresTheDefinitionText) {
  report.Values = {{"a", ScriptValue(1)}};
  memo->SetText(QStringLiteral("[a]"));
  memo->BeforePrint();
  memo->GetData();
  EXPECT_EQ(memo->Text(), QStringLiteral("1\r\n"));
  memo->AfterPrint();
  EXPECT_EQ(memo->Text(), QStringLiteral("[a]\r\n"));
}

TEST_F(MemoPrepare, TheFirstTrueHighlightAppliesAndAfterPrintUndoesIt) {
  report.Values = {{"no", ScriptValue(false)}, {"yes", ScriptValue(true)}, {"also", ScriptValue(true)}};
  memo->Highlight()->SetCondition(QStringLiteral("no"));
  TrpHighlight* blank = memo->Highlights().Add();  // blank conditions are skipped, not evaluated
  blank->Font()->SetSize(30);
  TrpHighlight* yes = memo->Highlights().Add();
  yes->SetCondition(QStringLiteral("yes"));
  yes->Font()->SetSize(14);
  yes->SetColor(clWhite);
  yes->SetVisible(false);
  TrpHighlight* also = memo->Highlights().Add();
  also->SetCondition(QStringLiteral("also"));
  also->Font()->SetSize(20);

  memo->BeforePrint();
  memo->GetData();
  EXPECT_EQ(memo->Font()->Size(), 14);
  EXPECT_EQ(memo->Font()->Color(), 0x0000FF);  // highlight red
  EXPECT_EQ(memo->Color(), clWhite);
  EXPECT_FALSE(memo->Visible());
  EXPECT_EQ(report.Asked, (QStringList{"no", "yes"}));

  memo->AfterPrint();
  EXPECT_EQ(memo->Font()->Size(), 10);
  EXPECT_EQ(memo->Font()->Color(), clBlack);
  EXPECT_TRUE(memo->ParentFont());
  EXPECT_EQ(memo->Color(), clNone);
  EXPECT_TRUE(memo->Visible());
}

TEST_F(MemoPrepare, TheFrameIsAppliedOnlyWhenAsked) {
  report.Values = {{"yes", ScriptValue(true)}};
  memo->Highlight()->SetCondition(QStringLiteral("yes"));
  memo->Highlight()->Frame()->SetWidth(3);
  memo->BeforePrint();
  memo->GetData();
  EXPECT_EQ(memo->Frame()->Width(), 1);
  memo->AfterPrint();
  memo->Highlight()->SetApplyFrame(true);
  memo->BeforePrint();
  memo->GetData();
  EXPECT_EQ(memo->Frame()->Width(), 3);
  memo->AfterPrint();
  EXPECT_EQ(memo->Frame()->Width(), 1);
}

TEST_F(MemoPrepare, ThePreviewHighlightAppliesWhenActive) {
  memo->Highlight()->Font()->SetSize(18);
  memo->ApplyPreviewHighlight();
  EXPECT_EQ(memo->Font()->Size(), 10);
  memo->Highlight()->SetActive(true);
  memo->ApplyPreviewHighlight();
  EXPECT_EQ(memo->Font()->Size(), 18);
}

TEST_F(MemoPrepare, ARepeatedValueIsSuppressedUntilReset) {
  memo->SetSuppressRepeated(true);
  EXPECT_EQ(prepared(QStringLiteral("same")), QStringLiteral("same\r\n"));
  EXPECT_EQ(prepared(QStringLiteral("same")), QString());
  EXPECT_EQ(prepared(QStringLiteral("other")), QStringLiteral("other\r\n"));
  memo->ResetSuppress();
  EXPECT_EQ(prepared(QStringLiteral("other")), QStringLiteral("other\r\n"));
}

TEST_F(MemoPrepare, TextThatDoesNotFitFlowsToTheNextObject) {
  auto* next = new TrpMemoView(&report);
  next->SetAllowExpressions(true);
  memo->SetFlowTo(next);
  memo->SetBounds(0, 0, 200, 40);  // two lines of 15.28 fit between the gaps
  memo->SetText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
  memo->GetData();
  EXPECT_EQ(memo->Memo(), (QStringList{"one", "two"}));
  EXPECT_EQ(next->Memo(), (QStringList{"three", "four"}));
  EXPECT_FALSE(next->AllowExpressions());
}

TEST_F(MemoPrepare, ComponentTextResolvesEveryMacro) {
  rpSetGlobalVariableLookup([](const QString& name) -> std::optional<QString> {
    if (name == QLatin1String("CopyName2")) return QStringLiteral("Office copy");
    return std::nullopt;
  });
  memo->TotalPages = 12;
  memo->CopyNo = 2;
  memo->SetText(QStringLiteral("[TotalPages#]/[totalpages#] [COPYNAME#], [CopyName#]"));
  EXPECT_EQ(memo->GetComponentText(), QStringLiteral("12/12 Office copy, Office copy\r\n"));
  memo->CopyNo = 3;  // no such variable: nothing
  EXPECT_EQ(memo->GetComponentText(), QStringLiteral("12/12 , \r\n"));
  memo->SetAllowExpressions(false);
  EXPECT_EQ(memo->GetComponentText(), memo->Text());
  rpSetGlobalVariableLookup(nullptr);
}

class StyledReport : public CalcTableReport {
 public:
  StyledReport() {
    Title.SetName(QStringLiteral("Title"));
  }
  const TrpStyleItem* FindStyle(const QString& name) const override {
    return name.compare(QLatin1String("title"), Qt::CaseInsensitive) == 0 ? &Title : nullptr;
  }
  TrpStyleItem Title;
};

TEST(MemoStyle, NamingAStyleAppliesWhatItAsksFor) {
  StyledReport report;
  report.Title.Font()->SetSize(24);
  static_cast<TrpBrushFill*>(report.Title.Fill())->SetBackColor(clGray);
  report.Title.Frame()->SetWidth(2);
  report.Title.SetApplyFrame(false);
  auto* memo = new TrpMemoView(&report);
  memo->SetStyle(QStringLiteral("Title"));
  EXPECT_EQ(memo->Style(), QStringLiteral("Title"));
  EXPECT_EQ(memo->Font()->Size(), 24);
  EXPECT_EQ(memo->Color(), clGray);
  EXPECT_EQ(memo->Frame()->Width(), 1);
}

TEST(MemoStyle, AnUnknownStyleLeavesTheObjectUnchanged) {
  StyledReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetStyle(QStringLiteral("nothing"));
  EXPECT_EQ(memo->Font()->Size(), 10);
  EXPECT_TRUE(memo->ParentFont());
}

}  // namespace
