// Data and printing: the legacy URL, expression expansion in TagStr and hyperlinks, the print
// bracket that restores them, data-set binding, and the difference record of a view.
#include <gtest/gtest.h>

#include <QMap>

#include <thread>

#include "report/datasets/data_set.h"
#include "report/objects/expand_variables.h"
#include "report/objects/report_error.h"
#include "report/views/frame.h"
#include "report/views/gradient_fill.h"
#include "report/views/hyperlink.h"
#include "report/views/view.h"
#include "view_test_support.h"

namespace {

// A report whose script knows a fixed set of expressions.
class CalcReport : public TrpCustomReport {
 public:
  QMap<QString, ScriptValue> values;
  QString language = QStringLiteral("PascalScript");
  QStringList asked;
  ScriptValue Calc(const QString& expression) override {
    asked << expression;
    if (!values.contains(expression)) throw TrpError(QStringLiteral("Unknown: ") + expression);
    return values.value(expression);
  }
  QString ScriptLanguage() const override { return language; }
};

// --- URL -----------------------------------------------------------------------------------------

struct UrlCase {
  QString url;
  TrpHyperlinkKind kind;
  QString value;
};

class LegacyUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(LegacyUrl, SetsKindAndValue) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetURL(GetParam().url);
  EXPECT_EQ(view.Hyperlink()->Kind(), GetParam().kind);
  EXPECT_EQ(view.Hyperlink()->Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LegacyUrl,
    ::testing::Values(UrlCase{"#Chapter2", hkAnchor, "Chapter2"},
                      UrlCase{"@12", hkPageNumber, "12"},
                      UrlCase{"https://example.org/a#b", hkURL, "https://example.org/a#b"},
                      UrlCase{"#" + QString(300, u'x'), hkAnchor, QString(255, u'x')}));

TEST(LegacyUrlEmpty, IsIgnored) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetURL("#top");
  view.SetURL(QString());
  EXPECT_EQ(view.Hyperlink()->Kind(), hkAnchor);
  EXPECT_EQ(view.Hyperlink()->Value(), "top");
}

// --- expansion -----------------------------------------------------------------------------------

QString upper(const QString& e) { return e.toUpper(); }

struct ExpandCase {
  QString text, expanded;
};

class ExpandVariables : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandVariables, ReplacesEachBracketedExpressionByItsText) {
  EXPECT_EQ(rpExpandVariables(GetParam().text, &upper), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExpandVariables,
    ::testing::Values(ExpandCase{"no brackets", "no brackets"},
                      ExpandCase{"a [x] b [y]", "a X b Y"},
                      ExpandCase{"[f([y])]", "F([Y])"},
                      ExpandCase{"['a]b'] end", "'A]B' end"},
                      ExpandCase{"[\"[\"]", "\"[\""},
                      ExpandCase{"Total [x", "Total [x"},
                      ExpandCase{"[a] and [b", "A and [b"},
                      ExpandCase{"字[x]", "字X"},
                      ExpandCase{"為[x]", "為X"}));

TEST(ExpandVariablesScan, ContinuesAfterTheInsertedText) {
  // A value that itself looks like an expression is not evaluated again.
  const QString result =
      rpExpandVariables("[a][b]", [](const QString& e) { return "[" + e + e + "]"; });
  EXPECT_EQ(result, "[aa][bb]");
}

struct QuoteCase {
  QString value, language, literal;
};

class ScriptQuoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(ScriptQuoting, QuotesForTheSyntax) {
  EXPECT_EQ(rpQuoteForScript(GetParam().value, GetParam().language), GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(Languages, ScriptQuoting,
                         ::testing::Values(QuoteCase{"it's", "PascalScript", "'it''s'"},
                                           QuoteCase{"say \"hi\"", "C++Script", "\"say \\\"hi\\\"\""},
                                           QuoteCase{"x", "BasicScript", "\"x\""}));

// --- GetData and the print bracket ---------------------------------------------------------------

struct PrintedView : ::testing::Test {
  CalcReport report;
  TrpView* view = new TrpView(&report);
  void SetUp() override {
    report.values.insert("Page", ScriptValue(3));
    report.values.insert("Name", ScriptValue(QStringLiteral("O'Neil")));
  }
};

TEST_F(PrintedView, GetDataExpandsTagStrAndEachHyperlinkValuePiece) {
  view->SetTagStr("p[Page]");
  view->Hyperlink()->SetValue("[Page];x[Name]");
  view->GetData();
  EXPECT_EQ(view->TagStr(), "p3");
  EXPECT_EQ(view->Hyperlink()->Value(), "3;xO'Neil");
}

TEST_F(PrintedView, HyperlinkExpressionQuotesStringsForPascalScript) {
  view->Hyperlink()->SetExpression("Page;Name");
  view->GetData();
  EXPECT_EQ(view->Hyperlink()->Value(), "3;'O''Neil'");
}

TEST_F(PrintedView, HyperlinkExpressionQuotesStringsForOtherSyntaxes) {
  report.language = "JScript";
  view->Hyperlink()->SetValuesSeparator("|");
  view->Hyperlink()->SetExpression("Name|Page");
  view->GetData();
  EXPECT_EQ(view->Hyperlink()->Value(), "\"O'Neil\"|3");
}

TEST_F(PrintedView, EvaluationErrorsPropagate) {
  view->SetTagStr("[Missing]");
  EXPECT_THROW(view->GetData(), TrpError);
}

TEST_F(PrintedView, AfterPrintRestoresTagStrHyperlinkValueAndBounds) {
  view->SetBounds(1, 2, 3, 4);
  view->SetTagStr("[Page]");
  view->Hyperlink()->SetValue("[Name]");
  view->BeforePrint();
  EXPECT_EQ(report.GetSelfValue(), view);
  view->GetData();
  view->SetBounds(10, 20, 30, 40);
  view->AfterPrint();
  EXPECT_EQ(view->TagStr(), "[Page]");
  EXPECT_EQ(view->Hyperlink()->Value(), "[Name]");
  EXPECT_EQ(view->Top(), 2);
  EXPECT_EQ(view->Height(), 4);
}

TEST_F(PrintedView, FreedSelfIsForgotten) {
  view->BeforePrint();
  delete view;
  EXPECT_EQ(report.GetSelfValue(), nullptr);
}

// --- data sets -----------------------------------------------------------------------------------

TEST(ViewDataSet, SettingTheDataSetCopiesItsUserName) {
  ViewTestReport report;
  TrpDataSet customers(&report);
  customers.SetUserName("Customers");
  TrpView view(&report);
  view.SetDataSet(&customers);
  EXPECT_EQ(view.DataSetName(), "Customers");
  view.SetDataField("Photo");
  EXPECT_TRUE(view.IsDataField());
}

TEST(ViewDataSet, SettingTheNameLooksTheDataSetUpIgnoringCase) {
  ViewTestReport report;
  TrpDataSet customers(&report);
  customers.SetUserName("Customers");
  TrpView view(&report);
  view.SetDataSetName("CUSTOMERS");
  EXPECT_EQ(view.DataSet(), &customers);
  view.SetDataSetName("Nothing");  // unknown: the data set already set stays
  EXPECT_EQ(view.DataSet(), &customers);
  view.SetDataSetName(QString());
  EXPECT_EQ(view.DataSet(), nullptr);
}

TEST(ViewDataSet, DataSetOfAnotherReportIsNotFound) {
  ViewTestReport mine, other;
  auto* theirs = new TrpDataSet(&other);
  theirs->SetUserName("Orders");
  TrpView view(&mine);
  view.SetDataSetName("Orders");
  EXPECT_EQ(view.DataSet(), nullptr);
}

TEST(ViewDataSet, FreedDataSetIsForgotten) {
  ViewTestReport report;
  auto* customers = new TrpDataSet(&report);
  customers->SetUserName("Customers");
  TrpView view(&report);
  view.SetDataSet(customers);
  view.SetDataField("Name");
  delete customers;
  EXPECT_EQ(view.DataSet(), nullptr);
  EXPECT_FALSE(view.IsDataField());
}

// --- difference record ---------------------------------------------------------------------------

struct DiffedViews : ::testing::Test {
  ViewTestReport report;
  TrpView* view = new TrpView(&report);
  TrpView* original = new TrpView(&report);
};

TEST_F(DiffedViews, IdenticalViewsGiveEmptyText) { EXPECT_EQ(view->Diff(*original), QString()); }

TEST_F(DiffedViews, FrameCursorVisibilityAndTagAreRecordedInOrder) {
  view->Frame()->SetTyp({ftLeft, ftTop});
  view->SetCursor(5);
  view->SetVisibility({vsPreview, vsPrint});
  view->SetTagStr("a<b");
  EXPECT_EQ(view->Diff(*original),
            " Frame.Typ=\"5\" Cursor=\"5\" Visibility=\"5\" TagStr=\"a&#60;b\"");
}

TEST_F(DiffedViews, FillOfAnotherKindIsRecordedWhole) {
  view->SetFillType(ftGradient);
  EXPECT_EQ(view->Diff(*original),
            " FillType=\"1\" Fill.StartColor=\"16777215\" Fill.EndColor=\"0\" "
            "Fill.GradientStyle=\"0\"");
}

TEST_F(DiffedViews, FrameColourChangeRecordsLinesThatKeepTheirOwnColour) {
  view->Frame()->SetColor(0x0000FF);
  view->Frame()->TopLine()->SetColor(0x00FF00);
  // Every line now differs from the other's black; the top line keeps its own green.
  EXPECT_EQ(view->Diff(*original),
            " Frame.Color=\"255\" Frame.LeftLine.Color=\"255\" Frame.TopLine.Color=\"65280\""
            " Frame.RightLine.Color=\"255\" Frame.BottomLine.Color=\"255\"");
}

TEST_F(DiffedViews, LineKeepingItsOwnColourIsRecordedWhenOnlyTheFrameColourChanged) {
  original->Frame()->TopLine()->SetColor(0x00FF00);
  view->Frame()->SetColor(0x0000FF);
  view->Frame()->TopLine()->SetColor(0x00FF00);
  // The top lines agree, but the frame colour changed and the line's own colour would be lost.
  EXPECT_TRUE(view->Diff(*original).contains(" Frame.TopLine.Color=\"65280\""));
}

TEST_F(DiffedViews, HyperlinkAttributesAreRecordedWhenDifferent) {
  view->SetURL("#top");
  EXPECT_EQ(view->Diff(*original), " Hyperlink.Kind=\"1\" Hyperlink.Value=\"top\"");
}

// Each sub-object attribute remembers the class it was last resolved in: a fill whose kind
// changes between records must be read in its new class every time.
TEST_F(DiffedViews, FillKindChangesBetweenRecordsAreFollowed) {
  const QString gradientAgainstBrush =
      " FillType=\"1\" Fill.StartColor=\"16777215\" Fill.EndColor=\"0\" Fill.GradientStyle=\"0\"";
  view->SetFillType(ftGradient);
  EXPECT_EQ(view->Diff(*original), gradientAgainstBrush);
  view->SetFillType(ftBrush);
  original->SetFillType(ftGradient);
  EXPECT_EQ(view->Diff(*original), " FillType=\"0\" Fill.BackColor=\"536870911\" Fill.ForeColor=\"0\" Fill.Style=\"0\"");
  original->SetFillType(ftBrush);
  EXPECT_EQ(view->Diff(*original), QString());
  view->SetFillType(ftGradient);
  EXPECT_EQ(view->Diff(*original), gradientAgainstBrush);
}

// Reports prepared on several threads at once record the same objects' classes through the same
// class tables: every thread must see its own fill's attributes, whatever the others resolve.
TEST(DiffedViewsOnThreads, EachThreadRecordsItsOwnFillKind) {
  constexpr int kRecords = 2000;
  const auto recordMany = [](TrpFillType kind, QString* last, bool* allSame) {
    ViewTestReport report;
    TrpView* view = new TrpView(&report);
    TrpView* original = new TrpView(&report);
    view->SetFillType(kind);
    *last = view->Diff(*original);
    for (int i = 0; i < kRecords; ++i) *allSame = *allSame && view->Diff(*original) == *last;
  };
  QString gradient, glass;
  bool gradientSame = true, glassSame = true;
  std::thread first(recordMany, ftGradient, &gradient, &gradientSame);
  std::thread second(recordMany, ftGlass, &glass, &glassSame);
  first.join();
  second.join();
  EXPECT_TRUE(gradientSame);
  EXPECT_TRUE(glassSame);
  EXPECT_TRUE(gradient.contains(" Fill.StartColor=")) << gradient.toStdString();
  EXPECT_TRUE(glass.startsWith(" FillType=\"2\"")) << glass.toStdString();
  EXPECT_FALSE(glass.contains(" Fill.StartColor=")) << glass.toStdString();
}

}  // namespace
