// The report's start and stop events and pages built by program, run through the report's real
// script: the events fire once each around the pages, a manual build replaces the band tree.
#include "real_services_fixture.h"
#include "script_engine/interpreter/script.h"

namespace {

class ReportEvents : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
    Data = AddBand<TrpMasterData>(Page, QStringLiteral("MasterData1"), 100, 20);
    Data->SetRowCount(2);
  }
  // A PascalScript text whose procedures append their names to the global "Trace".
  void SetScript(const QString& procedures) {
    Report->SetScriptText(
        (QStringLiteral("var Trace: String;\n") + procedures + QStringLiteral("\nbegin\nend."))
            .split(u'\n'));
  }
  QString Trace() const { return Report->ReportScript()->Script().Variable(QStringLiteral("Trace")).ToText(); }
  QString Errors() const { return Report->Errors().join(u'\n'); }

  TrpReportPage* Page = nullptr;
  TrpMasterData* Data = nullptr;
};

const QString kStartAndStop = QStringLiteral(
    "procedure Start(Sender: Variant); begin Trace := Trace + 'start;'; end;\n"
    "procedure Stop(Sender: Variant); begin Trace := Trace + 'stop;'; end;");

TEST_F(ReportEvents, StartAndStopRunOnceAroundThePages) {
  SetScript(kStartAndStop);
  Report->SetOnStartReport(QStringLiteral("Start"));
  Report->SetOnStopReport(QStringLiteral("Stop"));
  AddMemo(Data, QStringLiteral("TraceMemo"), QStringLiteral("[Trace]"), 300);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Trace(), QStringLiteral("start;stop;"));
  // The rows were prepared after the start event and before the stop event.
  EXPECT_EQ(Texts(0, QStringLiteral("TraceMemo")), (QStringList{"start;", "start;"}));
}

TEST_F(ReportEvents, TheStopEventRunsAlsoWhenThePagesFail) {
  SetScript(kStartAndStop);
  Report->SetOnStartReport(QStringLiteral("Start"));
  Report->SetOnStopReport(QStringLiteral("Stop"));
  Page->SetOnManualBuild(QStringLiteral("NoSuchProcedure"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Errors().contains(QStringLiteral("no procedure \"NoSuchProcedure\""))) << Errors().toStdString();
  EXPECT_EQ(Trace(), QStringLiteral("start;stop;"));
}

TEST_F(ReportEvents, AScriptThatDoesNotCompileStopsTheRunWithItsPosition) {
  Report->SetScriptText({QStringLiteral("procedure Start(Sender: Variant); begin Trace := ; end;"),
                         QStringLiteral("begin end.")});
  Report->SetOnStartReport(QStringLiteral("Start"));
  Report->SetOnStopReport(QStringLiteral("Start"));
  EXPECT_FALSE(Report->PrepareReport());
  // Listed once, although the stop event meets the same text again.
  EXPECT_EQ(Report->Errors().size(), 1);
  EXPECT_TRUE(Errors().startsWith(QStringLiteral("Script error at 1:"))) << Errors().toStdString();
  EXPECT_EQ(PageCount(), 0);
}

TEST_F(ReportEvents, WithoutEventsTheScriptTextIsNeverCompiled) {
  Report->SetScriptText({QStringLiteral("this is not a script")});
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandsNamed(0, QStringLiteral("MasterData1")).size(), 2);
}

TEST_F(ReportEvents, AManualBuildScriptShowsABandThreeTimesInsteadOfTheBandTree) {
  SetScript(QStringLiteral(
      "procedure Build(Sender: Variant);\n"
      "var i: Integer;\n"
      "begin\n"
      "  for i := 1 to 3 do Engine.ShowBand(MasterData1);\n"
      "end;"));
  Page->SetOnManualBuild(QStringLiteral("Build"));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandsNamed(0, QStringLiteral("MasterData1")).size(), 3);
}

TEST_F(ReportEvents, AManualBuildScriptStartsNewPagesAndAsksForFreeSpace) {
  SetScript(QStringLiteral(
      "procedure Build(Sender: Variant);\n"
      "begin\n"
      "  Engine.ShowBand(MasterData1);\n"
      "  if Engine.FreeSpace > 100 then Engine.NewPage;\n"
      "  Engine.ShowBand(MasterData1);\n"
      "end;"));
  Page->SetOnManualBuild(QStringLiteral("Build"));
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, QStringLiteral("MasterData1")).size(), 1);
  EXPECT_EQ(BandsNamed(1, QStringLiteral("MasterData1")).size(), 1);
}

TEST_F(ReportEvents, TheProgramsManualBuildTakesPrecedenceOverThePagesScript) {
  SetScript(QStringLiteral("procedure Build(Sender: Variant); begin Trace := 'script'; end;"));
  Page->SetOnManualBuild(QStringLiteral("Build"));
  QStringList built;
  Report->OnManualBuild = [&](TrpReportPage& page) {
    built << page.Name();
    Report->Engine()->ShowBand(*Data);
  };
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(built, QStringList{QStringLiteral("Page1")});
  EXPECT_EQ(BandsNamed(0, QStringLiteral("MasterData1")).size(), 1);
  EXPECT_TRUE(Trace().isEmpty());
}

// Objects' own print events run their script procedures with the object as sender: before
// printing (a view may change itself), after its data, and after printing (a band sums per row).
TEST_F(ReportEvents, PrintEventsRunTheObjectsScriptProcedures) {
  SetScript(QStringLiteral(
      "var Rows: Integer;\n"
      "procedure MemoBefore(Sender: Variant); begin Trace := Trace + 'before;'; TrpMemoView(Sender).Text := 'row ' + IntToStr(Rows + 1); end;\n"
      "procedure MemoData(Sender: Variant); begin Trace := Trace + 'data;'; end;\n"
      "procedure BandAfter(Sender: Variant); begin Rows := Rows + 1; Trace := Trace + Sender.Name + ';'; end;"));
  TrpMemoView* memo = AddMemo(Data, QStringLiteral("RowMemo"), QStringLiteral("unset"), 300);
  memo->SetOnBeforePrint(QStringLiteral("MemoBefore"));
  memo->SetOnAfterData(QStringLiteral("MemoData"));
  Data->SetOnAfterPrint(QStringLiteral("BandAfter"));
  ASSERT_TRUE(Prepare()) << Errors().toStdString();
  EXPECT_EQ(Trace(), QStringLiteral("before;data;MasterData1;before;data;MasterData1;"));
  EXPECT_EQ(Texts(0, QStringLiteral("RowMemo")), (QStringList{"row 1", "row 2"}));
}

TEST_F(ReportEvents, AFailingPrintEventStopsTheRunWithItsMessage) {
  SetScript(QStringLiteral("procedure Fails(Sender: Variant); begin RaiseException('no marks for ' + Sender.Name); end;"));
  Data->SetOnBeforePrint(QStringLiteral("Fails"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Errors().contains(QStringLiteral("no marks for MasterData1"))) << Errors().toStdString();
}

}  // namespace
