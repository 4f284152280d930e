// The report's script binding: system variables, report variables, Get, IIF, aggregates,
// program-supplied functions, object properties, error messages, and text objects expanding
// their bracketed expressions through the report's Calc.
#include <QBuffer>

#include <gtest/gtest.h>

#include "report/text/color_names.h"

#include "binding_fakes.h"
#include "report/binding/report_script.h"
#include "report/component/report_classes.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/memo_view.h"
#include "report/memo/styles.h"
#include "report/objects/report_services.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"
#include "report/store/xml_serializer.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_memo_view.h"
#include "report/textmode/dmp_page.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/script.h"

namespace {

const QDateTime kStart(QDate(2001, 2, 3), QTime(4, 5, 6));

class ReportScript : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    rpInstallReportScript();
    rpReportServices().CreateEngine = [](TrpReport& r) { return std::make_unique<BindingFakeEngine>(r); };
    report = std::make_unique<TrpReport>();
    report->SetPreviewPages(std::make_unique<BindingFakeStore>(*report));
    page = new TrpReportPage(report.get());
    page->SetName(QStringLiteral("Page1"));
    data = new TrpMasterData(page);
    data->SetName(QStringLiteral("MasterData1"));
    memo = new TrpMemoView(data);
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetBounds(10, 20, 200, 30);
    engine().SetState(kStart, 3, 17, 5);
  }
  void TearDown() override {
    report.reset();
    rpReportServices() = TrpReportServices{};
    rpGlobalVariables().Clear();
  }
  BindingFakeEngine& engine() { return static_cast<BindingFakeEngine&>(*report->Engine()); }
  BindingFakeStore& store() { return static_cast<BindingFakeStore&>(*report->PreviewPages()); }
  TrpCustomReportScript& binding() { return *report->ReportScript(); }
  ScriptValue calc(const QString& expression) {
    binding().PrepareScript(*report);
    return report->Calc(expression);
  }

  std::unique_ptr<TrpReport> report;
  TrpReportPage* page = nullptr;
  TrpMasterData* data = nullptr;
  TrpMemoView* memo = nullptr;
};

// A data set whose current record has the field "Name".
class NameDataSet : public TrpDataSet {
 public:
  using TrpDataSet::TrpDataSet;
  ScriptValue GetValue(const QString& field) override {
    return field.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 ? ScriptValue(QStringLiteral("Ann"))
                                                                          : ScriptValue::Null();
  }
};

struct SystemVariableCase {
  const char* Name;
  ScriptValue Expected;
};

class SystemVariables : public ReportScript, public ::testing::WithParamInterface<SystemVariableCase> {};

}  // namespace

TEST_P(SystemVariables, ComeFromTheEngineAndTheStore) {
  store().SetCurPage(1);
  store().LogicalPageNo = 7;
  store().LogicalTotalPages = 9;
  rpGlobalVariables().SetVariables(QStringLiteral("CopyName0"), ScriptValue(QStringLiteral("Original")));
  EXPECT_EQ(calc(QString::fromLatin1(GetParam().Name)), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SystemVariables,
    ::testing::Values(
        SystemVariableCase{"Date", ScriptValue::DateTime(DayNumber::FromDate(kStart.date()))},
        SystemVariableCase{"time", ScriptValue::DateTime(DayNumber::FromTime(kStart.time()))},
        SystemVariableCase{"Page", ScriptValue(7)},
        SystemVariableCase{"Page#", ScriptValue(2)},
        SystemVariableCase{"TotalPages", ScriptValue(9)},
        SystemVariableCase{"TotalPages#", ScriptValue(5)},
        SystemVariableCase{"Line", ScriptValue(3)},
        SystemVariableCase{"Line#", ScriptValue(17)},
        SystemVariableCase{"CopyName#", ScriptValue(QStringLiteral("Original"))}));

TEST_F(ReportScript, AngleBracketsMakeDateTheStartOfThePreparation) {
  EXPECT_EQ(calc(QStringLiteral("<Date> + 1")).ToDouble(), DayNumber::FromDate(kStart.date()) + 1);
  // Without brackets inside a larger expression Date is the system function: today.
  EXPECT_GT(calc(QStringLiteral("Date - <Date>")).ToDouble(), 9000);
}

TEST_F(ReportScript, PageNumberPlusOneThroughGet) {
  store().SetCurPage(1);
  EXPECT_EQ(calc(QStringLiteral("<Page#> + 1")), ScriptValue(3));
}

TEST_F(ReportScript, ReportVariableTextIsAnExpression) {
  report->Variables().SetVariables(QStringLiteral("V"), ScriptValue(QStringLiteral("2 + 3")));
  report->Variables().SetVariables(QStringLiteral("W"), ScriptValue(QStringLiteral("2 + 3\r\nmore")));
  EXPECT_EQ(calc(QStringLiteral("V")), ScriptValue(5));
  EXPECT_EQ(calc(QStringLiteral("<V> * 2")), ScriptValue(10));
  EXPECT_EQ(calc(QStringLiteral("W")), ScriptValue(QStringLiteral("2 + 3\r\nmore")));
}

TEST_F(ReportScript, ReportVariableReferringToItselfIsAnErrorNotACrash) {
  report->Variables().SetVariables(QStringLiteral("Loop"), ScriptValue(QStringLiteral("<Loop> + 1")));
  EXPECT_THROW(calc(QStringLiteral("Loop")), ScriptError);
}

TEST_F(ReportScript, GlobalVariablesComeAfterReportVariables) {
  rpGlobalVariables().SetVariables(QStringLiteral("G"), ScriptValue(QStringLiteral("1 + 1")));
  EXPECT_EQ(calc(QStringLiteral("G")), ScriptValue(QStringLiteral("1 + 1")));
  report->Variables().SetVariables(QStringLiteral("G"), ScriptValue(QStringLiteral("1 + 1")));
  EXPECT_EQ(calc(QStringLiteral("G")), ScriptValue(2));
}

TEST_F(ReportScript, ProgramCallbackAnswersBeforeReportVariables) {
  report->Variables().SetVariables(QStringLiteral("A"), ScriptValue(1));
  report->OnGetValue = [](const QString& name, ScriptValue& value) {
    if (name == QLatin1String("A")) value = ScriptValue(QStringLiteral("from program"));
  };
  EXPECT_EQ(calc(QStringLiteral("A")), ScriptValue(QStringLiteral("from program")));
}

TEST_F(ReportScript, UnknownNameThroughGetIsListedAndNull) {
  EXPECT_TRUE(calc(QStringLiteral("<Nothing>")).IsNull());
  EXPECT_TRUE(report->Errors().contains(QStringLiteral("Unknown variable or datafield: Nothing")))
      << report->Errors().join(u'|').toStdString();
}

TEST_F(ReportScript, CompileErrorIsPrefixedWithTheObjectAndListed) {
  report->SetSelfValue(memo);
  binding().PrepareScript(*report);
  try {
    report->Calc(QStringLiteral("1 +"));
    FAIL() << "no exception";
  } catch (const ScriptError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Memo1: Error in expression '1 +': "))) << e.Message().toStdString();
  }
  ASSERT_EQ(report->Errors().size(), 1);
  EXPECT_TRUE(report->Errors()[0].startsWith(QStringLiteral("Memo1: Error in expression '1 +'")));
}

TEST_F(ReportScript, ScriptCallerErrorsAreWordedForCalcAndNotListed) {
  binding().PrepareScript(*report);
  try {
    binding().Calc(QStringLiteral("1 +"), nullptr, true);
    FAIL() << "no exception";
  } catch (const ScriptError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error in Calc expression:Error in expression")))
        << e.Message().toStdString();
  }
  EXPECT_TRUE(report->Errors().isEmpty());
}

TEST_F(ReportScript, IgnoreDevByZeroLetsFloatDivisionByZeroPass) {
  report->EngineOptions().SetIgnoreDevByZero(true);
  EXPECT_NO_THROW(calc(QStringLiteral("1 / 0")));
  report->EngineOptions().SetIgnoreDevByZero(false);
  EXPECT_THROW(calc(QStringLiteral("1 / 0")), ScriptError);
}

TEST_F(ReportScript, SameExpressionCompilesOncePerPreparation) {
  auto& script = static_cast<TrpReportScript&>(binding());
  calc(QStringLiteral("1 + 2"));
  report->Calc(QStringLiteral("1 + 2"));
  report->Calc(QStringLiteral("1 + 2"));
  EXPECT_EQ(script.ExpressionCache().Count(), 1);
  binding().PrepareScript(*report);
  EXPECT_EQ(script.ExpressionCache().Count(), 0);
}

TEST_F(ReportScript, ObjectsAndTheirPropertiesAreReachableByName) {
  memo->Font()->SetSize(14);
  EXPECT_EQ(calc(QStringLiteral("Memo1.Left")), ScriptValue(10.0));
  EXPECT_EQ(calc(QStringLiteral("Memo1.Font")).Kind(), ValueKind::Object);
  EXPECT_EQ(calc(QStringLiteral("Memo1.Font.Size")), ScriptValue(14));
  EXPECT_EQ(calc(QStringLiteral("MasterData1.Name")), ScriptValue(QStringLiteral("MasterData1")));
  EXPECT_EQ(calc(QStringLiteral("Report.ScriptLanguage")), ScriptValue(QStringLiteral("PascalScript")));
}

// Report objects are components to the script: they have TObject's members and go where a TObject
// is asked for.
TEST_F(ReportScript, ReportObjectsAreComponentsOfTheGeneralClasses) {
  report->SetScriptLanguage(QStringLiteral("PascalScript"));
  report->SetScriptText(
      {"var L: TList; Names: String;", "procedure Nothing(Sender: Variant); begin end;", "begin", "  L := TList.Create; L.Add(Memo1); L.Add(Memo1.Font);",
       "  Names := Memo1.ClassName + ',' + L[1].ClassName + ',' + IntToStr(L.IndexOf(Memo1));", "end."});
  binding().PrepareScript(*report);
  binding().DoNotifyEvent(memo, QStringLiteral("Nothing"));  // compiles and runs the main block
  EXPECT_EQ(report->Calc(QStringLiteral("Names")).ToText().toStdString(), "TrpMemoView,TFont,0");
  EXPECT_EQ(report->Calc(QStringLiteral("Memo1 is TComponent")), ScriptValue(true));
  // Freed by the script outside a preparation: gone from the report; the list's reference to it
  // is a script error from then on, never a crash.
  report->Calc(QStringLiteral("Memo1.Free"));
  memo = nullptr;
  EXPECT_EQ(report->FindObject(QStringLiteral("Memo1")), nullptr);
  try {
    report->Calc(QStringLiteral("L[0].ClassName"));
    ADD_FAILURE() << "a freed object was used";
  } catch (const ScriptError& e) {
    EXPECT_TRUE(e.Message().contains(QLatin1String("The object has been freed"))) << e.Message().toStdString();
  }
  // The report itself and sub-objects stay the program's.
  try {
    report->Calc(QStringLiteral("Report.Free"));
    ADD_FAILURE() << "a script freed the report";
  } catch (const ScriptError& e) {
    EXPECT_TRUE(e.Message().contains(QLatin1String("a script cannot free it"))) << e.Message().toStdString();
  }
}

// Every report class, with its enumerations, is known to a report's script, whether or not an
// object of that class is in the report.
TEST_F(ReportScript, ClassesAbsentFromTheReportCanBeDeclared) {
  delete data;
  data = nullptr;
  memo = nullptr;
  const struct {
    const char* syntax;
    QStringList lines;
  } cases[] = {
      {"PascalScript",
       {"var b: TrpBand; p: TrpPictureView; Answer: Variant;", "procedure Nothing(Sender: Variant); begin end;", "begin",
        "  b := nil; p := nil; Answer := IntToStr(haCenter) + ',' + IntToStr(vaBottom)", "end."}},
      {"BasicScript",
       {"Dim b As TrpBand", "Dim Answer", "Sub Nothing(Sender)", "End Sub", "Answer = IntToStr(haCenter) + \",\" + IntToStr(vaBottom)"}},
  };
  for (const auto& c : cases) {
    report->SetScriptLanguage(QString::fromLatin1(c.syntax));
    report->SetScriptText(c.lines);
    binding().PrepareScript(*report);
    binding().DoNotifyEvent(page, QStringLiteral("Nothing"));  // compiles and runs the main block
    EXPECT_TRUE(report->Errors().isEmpty()) << c.syntax << ": " << report->Errors().join('\n').toStdString();
    EXPECT_EQ(report->Calc(QStringLiteral("Answer")).ToText().toStdString(), "2,1") << c.syntax;
  }
}

// Runs `lines` (with a procedure "Run") in `syntax` outside a preparation; the script variable
// "Answer" afterwards, or the error the procedure raised.
static QString runScript(TrpReport& report, const char* syntax, const QStringList& lines) {
  report.SetScriptLanguage(QString::fromLatin1(syntax));
  report.SetScriptText(lines);
  report.ReportScript()->PrepareScript(report);
  try {
    report.ReportScript()->DoNotifyEvent(&report, QStringLiteral("Run"));
  } catch (const ScriptError& e) {
    return QStringLiteral("error: ") + e.Message();
  }
  return report.Calc(QStringLiteral("Answer")).ToText();
}

// The report's lists reach scripts: its styles and variables, lists a script makes of its own,
// a text object's lines, and an object written to a stream and read back.
TEST_F(ReportScript, CollectionsLinesAndStreamsOfReportObjects) {
  memo->SetText(QStringLiteral("first"));
  const struct {
    const char* syntax;
    QStringList lines;
    const char* answer;
  } cases[] = {
      {"PascalScript",
       {"var Answer: String;", "procedure Run(Sender: Variant);",
        "var S: TrpStyles; A: TrpArray; V: TrpVariables;", "begin",
        "  Report.Styles.Add.Name := 'Big';",
        "  S := TrpStyles.Create(Report); S.Add; S.Add;",
        "  A := TrpArray.Create; A[7] := 'seven'; A['k'] := 5;",
        "  V := TrpVariables.Create; V['a'] := 1;",
        "  Memo1.Lines.Add('second'); Memo1.Lines[0] := 'one';",
        "  Answer := Report.Styles[0].Name + ',' + IntToStr(S.Count) + ',' + A[7] + IntToStr(A['k'] + A.Count) +",
        "    ',' + IntToStr(V['a']) + ',' + Memo1.Lines[1] + IntToStr(Memo1.Lines.Count);",
        "  S.Free; A.Free; V.Free", "end;", "begin end."},
       "Big,2,seven7,1,second2"},
      {"BasicScript",
       {"Dim Answer", "Sub Run(Sender)", "  Dim A", "  A = TrpArray.Create", "  A.Variables(1) = \"x\"",
        "  Report.Styles.Add.Name = \"Big\"", "  Memo1.Lines.Clear", "  Memo1.Lines.Add(\"only\")",
        "  Answer = A.Variables(1) + Report.Styles.Find(\"Big\").Name + Memo1.Lines.Text", "End Sub"},
       "xBigonly\r\n"},
  };
  for (const auto& c : cases) {
    report->Styles().Clear();
    EXPECT_EQ(runScript(*report, c.syntax, c.lines).toStdString(), c.answer) << c.syntax;
  }
  EXPECT_EQ(memo->Text(), QStringLiteral("only\r\n"));

  // Written to a stream, changed, read back: the object is as it was written.
  memo->SetText(QStringLiteral("kept"));
  EXPECT_EQ(runScript(*report, "PascalScript",
                      {"var Answer: String;", "procedure Run(Sender: Variant);", "var M: TMemoryStream;", "begin",
                       "  M := TMemoryStream.Create; Memo1.SaveToStream(M); Memo1.Text := 'changed';",
                       "  M.Position := 0; Memo1.LoadFromStream(M); Answer := Memo1.Text; M.Free", "end;",
                       "begin end."})
                .toStdString(),
            "kept\r\n");
  // Without the preview's window there is nothing to show the report in.
  EXPECT_TRUE(runScript(*report, "PascalScript",
                        {"var Answer: String;", "procedure Run(Sender: Variant);", "begin", "  Report.ShowReport", "end;",
                         "begin end."})
                  .contains(QLatin1String("ShowReport needs the program's preview window")));
}

// A style the collection drops is never used again: a script error, not a crash.
TEST_F(ReportScript, DroppedStylesAreFreedForScripts) {
  report->Styles().Add()->SetName(QStringLiteral("Old"));
  const QString answer =
      runScript(*report, "PascalScript",
                {"var Answer: String;", "procedure Run(Sender: Variant);", "var Kept: TrpStyleItem;", "begin",
                 "  Kept := Report.Styles.Find('Old'); Report.Styles.Clear; Answer := Kept.Name", "end;",
                 "begin end."});
  EXPECT_TRUE(answer.contains(QLatin1String("The object has been freed"))) << answer.toStdString();
  EXPECT_TRUE(runScript(*report, "PascalScript",
                        {"var Answer: String;", "procedure Run(Sender: Variant);", "begin",
                         "  Report.Styles.LoadFromFile('/nonexistent/styles.xml')", "end;", "begin end."})
                  .startsWith(QLatin1String("error: ")));
}

// IIF written in a procedure evaluates its branches where it is written: they see its locals.
TEST_F(ReportScript, IifInsideAProcedureSeesItsLocals) {
  const struct {
    const char* syntax;
    QStringList lines;
  } cases[] = {
      {"PascalScript",
       {"var Answer: String;", "procedure Run(Sender: Variant);", "var Mark: Integer;", "begin",
        "  Mark := 91; Answer := IIF(Mark > 80, 'good ' + IntToStr(Mark), 'low')", "end;", "begin end."}},
      {"C++Script",
       {"string Answer;", "void Run(Variant Sender) {", "  int Mark = 91;",
        "  Answer = IIF(Mark > 80, \"good \" + IntToStr(Mark), \"low\");", "}", "{}"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(runScript(*report, c.syntax, c.lines).toStdString(), "good 91") << c.syntax;
}

// Every class of the report classes module can be declared in a report's script.
TEST_F(ReportScript, EveryClassOfTheModuleIsKnown) {
  static const char* const kClasses[] = {
      "TJPEGImage", "TPngImage", "TrpHyperlink", "TrpCustomFill", "TrpBrushFill", "TrpGradientFill",
      "TrpGlassFill", "TrpFillGaps", "TWideStrings", "TrpDataSet", "TrpUserDataSet", "TrpCustomDBDataSet",
      "TrpComponent", "TrpReportComponent", "TrpDialogComponent", "TrpDialogControl", "TrpFrameLine", "TrpFrame",
      "TrpView", "TrpShapeView", "TrpStretcheable", "TrpHighlight", "TrpFormat", "TrpCustomMemoView",
      "TrpMemoView", "TrpSysMemoView", "TrpCustomLineView", "TrpLineView", "TrpPictureView", "TrpSubreport",
      "TrpBand", "TrpDataBand", "TrpHeader", "TrpFooter", "TrpMasterData", "TrpDetailData", "TrpSubdetailData",
      "TrpDataBand4", "TrpDataBand5", "TrpDataBand6", "TrpPageHeader", "TrpPageFooter", "TrpColumnHeader",
      "TrpColumnFooter", "TrpGroupHeader", "TrpGroupFooter", "TrpReportTitle", "TrpReportSummary", "TrpChild",
      "TrpOverlay", "TrpPage", "TrpReportPage", "TrpDialogPage", "TrpDataPage", "TrpEngineOptions",
      "TrpPrintOptions", "TrpPreviewOptions", "TrpReportOptions", "TrpVariable", "TrpVariables", "TrpStyleItem",
      "TrpStyles", "TrpArray", "TrpReport", "TrpCustomEngine", "TrpCustomOutline", "TrpDMPPage",
      "TrpDMPMemoView", "TrpDMPLineView", "TrpDMPCommand"};
  QStringList missing;
  for (const char* name : kClasses) {
    report->SetScriptText({QStringLiteral("var x: %1;").arg(QLatin1String(name)),
                           "procedure Nothing(Sender: Variant); begin end;", "begin end."});
    binding().PrepareScript(*report);
    try {
      binding().DoNotifyEvent(memo, QStringLiteral("Nothing"));
    } catch (const ScriptError& e) {
      missing << QString::fromLatin1(name) + QStringLiteral(": ") + e.Message();
    }
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.join('\n').toStdString();
}

// A script reaches the text-mode objects of a dot-matrix report: a text's font styles as a set
// (its names are the bits 1, 2, 4, ...), a command's text, and the grid constants.
TEST_F(ReportScript, TextModeObjectsAndTheirFontStyles) {
  auto* dmpPage = new TrpDMPPage(report.get());
  dmpPage->SetName(QStringLiteral("TextPage"));
  auto* rows = new TrpMasterData(dmpPage);
  rows->SetName(QStringLiteral("Rows"));
  auto* total = new TrpDMPMemoView(rows);
  total->SetName(QStringLiteral("Total"));
  auto* reset = new TrpDMPCommand(rows);
  reset->SetName(QStringLiteral("Reset"));
  EXPECT_EQ(runScript(*report, "PascalScript",
                      {"var Answer: String;", "procedure Run(Sender: Variant);", "var m: TrpDMPMemoView; c: TrpDMPCommand;",
                       "begin", "  m := Total;", "  m.FontStyle := [fsxBold, fsx12cpi];",
                       "  if (m.FontStyle and fsxBold) <> 0 then m.Text := 'bold';", "  c := Reset; c.Command := '#27@';",
                       "  m.Left := 2 * rp1CharX + 1;",
                       "  Answer := m.Text + ',' + IntToStr(m.FontStyle) + ',' + IntToStr(fsxWide) + ',' + c.Command +",
                       "    ',' + FloatToStr(m.Left / rp1CharX)", "end;", "begin end."})
                .toStdString(),
            "bold\r\n,129,64,#27@,2");
  EXPECT_EQ(total->FontStyle(), (TrpDMPFontStyles{fsxBold, fsx12cpi}));
  EXPECT_EQ(reset->Command(), QStringLiteral("#27@"));
}

// The report's limits stop a script that never returns, in its procedures and its expressions,
// with a script error; without limits nothing is counted.
TEST_F(ReportScript, RunLimitsStopScriptsThatNeverReturn) {
  report->SetScriptText({"var Rounds: Integer;", "procedure Spin(Sender: Variant); begin while True do Rounds := Rounds + 1 end;",
                         "function Forever: Integer; begin repeat Result := 1 until False end;",
                         "procedure Short(Sender: Variant); var i: Integer; begin for i := 1 to 5000 do Rounds := i end;",
                         "begin end."});
  const auto stopped = [&](const std::function<void()>& run) -> QString {
    try {
      run();
    } catch (const ScriptError& e) {
      return e.Message();
    }
    return QStringLiteral("not stopped");
  };
  report->SetScriptStepLimit(1000);
  binding().PrepareScript(*report);
  EXPECT_TRUE(stopped([&] { binding().DoNotifyEvent(memo, QStringLiteral("Spin")); })
                  .contains(QLatin1String("stopped after 1000 statements")));
  EXPECT_TRUE(stopped([&] { report->Calc(QStringLiteral("Forever")); }).contains(QLatin1String("stopped after 1000 statements")));
  // Each run has its own count: a short one after a stopped one runs through.
  report->SetScriptStepLimit(20000);
  binding().DoNotifyEvent(memo, QStringLiteral("Short"));
  EXPECT_EQ(report->Calc(QStringLiteral("Rounds")), ScriptValue(5000));
  report->SetScriptStepLimit(0);
  report->SetScriptTimeout(0.2);
  EXPECT_TRUE(stopped([&] { binding().DoNotifyEvent(memo, QStringLiteral("Spin")); })
                  .contains(QLatin1String("after running for 0.2 s")));
}

// Colour names come from the one colour table of the text layer; sets combine into their bits.
TEST_F(ReportScript, ColourConstantsAndFontStyleSets) {
  for (const char* name : {"clRed", "clNavy", "clBtnFace", "clNone"})
    EXPECT_EQ(calc(QString::fromLatin1(name)),
              ScriptValue(static_cast<int>(*rpColorFromName(QString::fromLatin1(name)))))
        << name;
  report->SetScriptText({"procedure Style(Sender: Variant);", "begin",
                         "  Memo1.Font.Style := [fsBold, fsUnderline]; Memo1.Font.Color := clRed", "end;",
                         "begin end."});
  binding().PrepareScript(*report);
  binding().DoNotifyEvent(memo, QStringLiteral("Style"));
  EXPECT_EQ(memo->Font()->Color(), *rpColorFromName(QStringLiteral("clRed")));
  EXPECT_EQ(calc(QStringLiteral("Memo1.Font.Style")), ScriptValue(1 | 4));
}

TEST_F(ReportScript, SelfIsTheViewBeingPrinted) {
  binding().PrepareScript(*report);
  report->SetSelfValue(memo);
  EXPECT_EQ(report->Calc(QStringLiteral("Self.Width")), ScriptValue(200.0));
  report->SetLocalValue(ScriptValue(41));
  EXPECT_EQ(report->Calc(QStringLiteral("Value + 1")), ScriptValue(42));
}

TEST_F(ReportScript, IifEvaluatesOnlyTheChosenBranch) {
  EXPECT_EQ(calc(QStringLiteral("IIF(1 > 0, 'yes', 1 / 0)")), ScriptValue(QStringLiteral("yes")));
  EXPECT_EQ(calc(QStringLiteral("IIF(1 < 0, 1 / 0, 'no')")), ScriptValue(QStringLiteral("no")));
}

TEST_F(ReportScript, AggregateCallsAskTheEngineWithTheirTexts) {
  engine().AggregateResult = ScriptValue(42);
  EXPECT_EQ(calc(QStringLiteral("SUM(<Amount> * 2, MasterData1, 2)")), ScriptValue(42));
  EXPECT_EQ(engine().AggregateName, QStringLiteral("SUM"));
  EXPECT_EQ(engine().AggregateExpression, QStringLiteral("<Amount> * 2"));
  EXPECT_EQ(engine().AggregateBand, data);
  EXPECT_EQ(engine().AggregateFlags, 2);
  engine().AggregateResult = ScriptValue();
  EXPECT_EQ(calc(QStringLiteral("COUNT()")), ScriptValue(0));
  EXPECT_EQ(engine().AggregateName, QStringLiteral("COUNT"));
  EXPECT_EQ(engine().AggregateBand, nullptr);
  EXPECT_EQ(engine().AggregateFlags, 0);
}

TEST_F(ReportScript, ProgramFunctionsSurviveAPreparation) {
  QString called;
  report->OnUserFunction = [&](const QString& name, const ScriptValue& args) {
    called = name;
    return ScriptValue(args.ArrayGet({0}).ToInt32() * 2);
  };
  binding().AddFunction(QStringLiteral("function Twice(X: Integer): Integer"));
  binding().PrepareScript(*report);
  EXPECT_EQ(calc(QStringLiteral("Twice(21)")), ScriptValue(42));
  EXPECT_EQ(called, QStringLiteral("TWICE"));
}

TEST_F(ReportScript, SetChangesAReportVariable) {
  auto& script = static_cast<TrpReportScript&>(binding());
  script.SetScriptValue(QStringLiteral("Total"), ScriptValue(12));
  EXPECT_EQ(calc(QStringLiteral("Total")), ScriptValue(12));
}

TEST_F(ReportScript, MemoExpandsBracketsThroughTheReportsCalc) {
  store().SetCurPage(1);
  memo->SetText(QStringLiteral("Page [Page#] of [TotalPages#], line [Line]"));
  binding().PrepareScript(*report);
  memo->GetData();
  EXPECT_EQ(memo->Text().trimmed(), QStringLiteral("Page 2 of [TotalPages#], line 3"));
}

TEST_F(ReportScript, PrepareReportPreparesTheScriptBeforeTheEngineRuns) {
  QString seen;
  engine().OnRun = [&](TrpReport& r) {
    seen = r.Calc(QStringLiteral("Memo1.Name")).ToText();
    return true;
  };
  EXPECT_TRUE(report->PrepareReport());
  EXPECT_EQ(seen, QStringLiteral("Memo1"));
}

TEST_F(ReportScript, VariablesTravelInTheReportFile) {
  report->Variables().SetVariables(QStringLiteral(" Totals"), ScriptValue());
  report->Variables().SetVariables(QStringLiteral("Sum"), ScriptValue(QStringLiteral("2 * 21")));
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  report->SaveToStream(buffer);
  EXPECT_TRUE(buffer.data().contains("<Variables>")) << buffer.data().toStdString();
  buffer.seek(0);
  TrpReport back;
  back.LoadFromStream(buffer);
  ASSERT_EQ(back.Variables().Count(), 2);
  EXPECT_EQ(back.Variables().Items(0)->Name(), QStringLiteral(" Totals"));
  EXPECT_EQ(back.Variables().Variables(QStringLiteral("Sum")), ScriptValue(QStringLiteral("2 * 21")));
  back.ReportScript()->PrepareScript(back);
  EXPECT_EQ(back.Calc(QStringLiteral("Sum")), ScriptValue(42));
}

TEST_F(ReportScript, FreedObjectsLeaveTheScript) {
  report->SetSelfValue(memo);
  binding().PrepareScript(*report);
  delete memo;
  EXPECT_EQ(binding().GetSelfValue(), nullptr);
  EXPECT_ANY_THROW(report->Calc(QStringLiteral("Memo1.Left")));
}

TEST_F(ReportScript, DataSetFieldsAreReadFromTheCurrentRecord) {
  auto* dataSet = new NameDataSet(report.get());
  dataSet->SetUserName(QStringLiteral("Customers"));
  report->DataSets().Add()->SetDataSetName(QStringLiteral("Customers"));
  EXPECT_EQ(calc(QStringLiteral("Customers.\"Name\"")), ScriptValue(QStringLiteral("Ann")));
  EXPECT_EQ(calc(QStringLiteral("<Customers.\"Name\"> + '!'")), ScriptValue(QStringLiteral("Ann!")));
  EXPECT_EQ(calc(QStringLiteral("<Customers.\"Name\">")), ScriptValue(QStringLiteral("Ann")))
      << "a field alone in angle brackets, as aggregates are written";
  EXPECT_TRUE(calc(QStringLiteral("<Other.\"Name\">")).IsNull());
}

TEST_F(ReportScript, EngineIsReachableByName) {
  EXPECT_EQ(calc(QStringLiteral("Engine.CurLine")), ScriptValue(3));
  EXPECT_EQ(calc(QStringLiteral("Engine.TotalPages + 1")), ScriptValue(6));
  EXPECT_EQ(calc(QStringLiteral("Engine.FreeSpace")), ScriptValue(0.0));
}

TEST_F(ReportScript, VariableListsAreReachableByName) {
  report->Variables().SetVariables(QStringLiteral("A"), ScriptValue(7));
  rpGlobalVariables().SetVariables(QStringLiteral("G"), ScriptValue(QStringLiteral("global")));
  EXPECT_EQ(calc(QStringLiteral("Report.Variables['a'] + 1")), ScriptValue(8));
  EXPECT_EQ(calc(QStringLiteral("rpGlobalVariables['G']")), ScriptValue(QStringLiteral("global")));
}

TEST_F(ReportScript, ScriptsWriteReportVariablesThroughTheList) {
  binding().PrepareScript(*report);
  TscScript& script = binding().Script();
  script.SetLines({QStringLiteral("begin Report.Variables['B'] := 5; end.")});
  ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
  script.Execute();
  EXPECT_EQ(report->Variables().Variables(QStringLiteral("B")), ScriptValue(5));
}
