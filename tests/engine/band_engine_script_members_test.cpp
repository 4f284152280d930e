// What report scripts reach of the report's classes, run through a real preparation: the
// values each expression gives in a text object, in PascalScript and JScript, the wording of
// Report.Calc's errors, Terminated set by a start event, and the objects a script moves and hides.
#include "real_services_fixture.h"
#include "script_engine/interpreter/script.h"

namespace {

class ScriptMembers : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
    Title = AddBand<TrpReportTitle>(Page, QStringLiteral("Title1"), 0, 40);
    Data = AddBand<TrpMasterData>(Page, QStringLiteral("MasterData1"), 100, 20);
    Data->SetRowCount(3);
  }
  // The text of a title object showing `expression`, prepared with the script `lines`.
  QString Shown(const QString& syntax, const QString& expression, const QStringList& lines = {}) {
    Report->SetScriptLanguage(syntax);
    Report->SetScriptText(lines.isEmpty() ? QStringList{syntax == QLatin1String("JScript") ? "" : "begin end."} : lines);
    TrpMemoView* memo = Designed<TrpMemoView>(QStringLiteral("Shown"));
    if (!memo) memo = AddMemo(Designed<TrpReportTitle>(QStringLiteral("Title1")), QStringLiteral("Shown"), QString(), 600);
    memo->SetText(QLatin1Char('[') + expression + QLatin1Char(']'));
    if (!Report->PrepareReport()) return QStringLiteral("failed: ") + Report->Errors().join('\n');
    return Texts(0, QStringLiteral("Shown")).value(0);
  }

  TrpReportPage* Page = nullptr;
  TrpReportTitle* Title = nullptr;
  TrpMasterData* Data = nullptr;
};

TEST_F(ScriptMembers, ExpressionsReachTheReportsMembers) {
  const struct {
    const char* expression;
    const char* shown;
  } cases[] = {
      {"FormatFloat('0.000', rp1cm * 2.54 - rp1in)", "0.000"},
      {"rp01in * 10 = rp1in", "True"},
      {"crHand + crZoom + crFormat", "453"},
      {"clTransparent", "536870911"},
      {"DayOf(EncodeDate(2026, 12, 10)) + MonthOf(EncodeDate(2026, 12, 10)) * 100", "1210"},
      {"YearOf(EncodeDate(2026, 12, 10))", "2026"},
      {"Report.FindObject('MasterData1').Name", "MasterData1"},
      {"Report.FindObject('NoSuchObject') = nil", "True"},
      {"MasterData1.Page.Name", "Page1"},
      {"Page1.Objects.Count", "2"},
      {"Report.AllObjects.Count > 3", "True"},
      {"Engine.GetAnchorPage('no such anchor')", "1"},
      {"Report.Calc('2 * 21')", "42"},
      {"Report.EngineOptions.DestroyForms", "True"},
      {"haCenter + vaBottom * 10 + fftBoolean * 100 + pbExportQuick", "2260"},  // pbExportQuick: bit 11
  };
  for (const auto& c : cases)
    EXPECT_EQ(Shown(QStringLiteral("PascalScript"), QString::fromUtf8(c.expression)).toStdString(), c.shown)
        << c.expression;
  EXPECT_EQ(Shown(QStringLiteral("JScript"), QStringLiteral("Report.FindObject(\"Title1\").Page.Name")).toStdString(), "Page1");
}

TEST_F(ScriptMembers, CalcErrorsAreWordedForCalcAndNotListed) {
  Report->SetOnStartReport(QStringLiteral("Start"));
  const QString answer = Shown(QStringLiteral("PascalScript"), QStringLiteral("Answer"),
                               {"var Answer: String;", "procedure Start(Sender: Variant);", "begin",
                                "  try Report.Calc('1 +') except Answer := ExceptionMessage end", "end;",
                                "begin end."});
  EXPECT_TRUE(answer.startsWith(QStringLiteral("Error in Calc expression:"))) << answer.toStdString();
  EXPECT_TRUE(Report->Errors().isEmpty()) << Report->Errors().join('\n').toStdString();
}

TEST_F(ScriptMembers, TerminatedSetByTheStartEventStopsTheRun) {
  Report->SetScriptText({"procedure Start(Sender: Variant); begin Report.Terminated := True end;", "begin end."});
  Report->SetOnStartReport(QStringLiteral("Start"));
  Report->PrepareReport();
  EXPECT_TRUE(BandsNamed(0, QStringLiteral("MasterData1")).isEmpty());
}

// A script moves and hides objects with SetBounds and Visible, and sums per row into a variable
// that the summary prints.
// A script walks a data set of the report and reads its fields by name, in two syntaxes.
TEST_F(ScriptMembers, AScriptWalksADataSetAndReadsItsFields) {
  AddNamedRows({2, 1});
  Report->SetOnStartReport(QStringLiteral("Start"));
  const struct {
    const char* syntax;
    QStringList lines;
  } cases[] = {
      {"PascalScript",
       {"var Answer: String;", "procedure Start(Sender: Variant);", "var D: TrpDataSet; L: TStringList;", "begin",
        "  D := Report.GetDataset('Rows'); L := TStringList.Create; D.GetFieldList(L);",
        "  Answer := L.CommaText + ' ' + IntToStr(D.FieldsCount) + BoolToStr(D.HasField('ID')) + ' ';",
        "  D.First;",
        "  while not D.Eof do begin Answer := Answer + D.Value['name'] + D.DisplayText['id'] + ';'; D.Next end;",
        "  Answer := Answer + IntToStr(D.RecNo) + IntToStr(D.FieldType['id'] + fftString); L.Free", "end;",
        "begin end."}},
      {"JScript",
       {"var Answer;", "function Start(Sender) {", "  var D = Report.GetDataset(\"Rows\"), L = new TStringList;",
        "  D.GetFieldList(L); Answer = L.CommaText + \" \" + IntToStr(D.FieldsCount) + BoolToStr(D.HasField(\"ID\")) + \" \";",
        "  D.First();",
        "  while (!D.Eof()) { Answer = Answer + D.Value[\"name\"] + D.DisplayText[\"id\"] + \";\"; D.Next(); }",
        "  Answer = Answer + IntToStr(D.RecNo) + IntToStr(D.FieldType[\"id\"] + fftString); L.Free();", "}", ""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Shown(QString::fromLatin1(c.syntax), QStringLiteral("Answer"), c.lines).toStdString(),
              "id,name 2-1 Ar0;Ar1;Br2;31")
        << c.syntax;
}

TEST_F(ScriptMembers, AScriptMovesHidesAndSums) {
  AddMemo(Data, QStringLiteral("Row"), QStringLiteral("[Line]"), 100);
  TrpMemoView* hidden = AddMemo(Data, QStringLiteral("Hidden"), QStringLiteral("never"), 100);
  hidden->SetLeft(200);
  auto* summary = AddBand<TrpReportSummary>(Page, QStringLiteral("Summary1"), 300, 20);
  AddMemo(summary, QStringLiteral("TotalMemo"), QStringLiteral("Total: [Total]"), 300);
  Report->SetScriptText({"var Total: Integer;",
                         "procedure RowBefore(Sender: Variant);", "begin",
                         "  Row.SetBounds(10 * Engine.CurLine, 0, 100, 20); Hidden.Visible := False;", "end;",
                         "procedure RowAfter(Sender: Variant); begin Total := Total + Engine.CurLine end;",
                         "begin end."});
  Designed<TrpMasterData>(QStringLiteral("MasterData1"))->SetOnBeforePrint(QStringLiteral("RowBefore"));
  Designed<TrpMasterData>(QStringLiteral("MasterData1"))->SetOnAfterPrint(QStringLiteral("RowAfter"));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, QStringLiteral("Row")), (QStringList{"1", "2", "3"}));
  EXPECT_TRUE(Texts(0, QStringLiteral("Hidden")).isEmpty());
  EXPECT_EQ(Texts(0, QStringLiteral("TotalMemo")), QStringList{"Total: 6"});
  QList<double> lefts;
  for (TrpComponent* object : Report->PreviewPages()->GetPage(0)->AllObjects())
    if (object->Name() == QLatin1String("Row")) lefts << double(object->Left());
  EXPECT_EQ(lefts, (QList<double>{10, 20, 30}));
}

}  // namespace
