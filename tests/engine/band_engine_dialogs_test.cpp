// Dialog pages before the report: each visible one is shown through the window layer's hook (here
// the test's), or the report's OnRunDialogs procedure decides; a dialog not confirmed ends the run
// without pages.
#include "real_services_fixture.h"
#include "report/dialogs/dialog_page.h"
#include "script_engine/interpreter/script.h"

namespace {

class Dialogs : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    TrpReportPage* page = NewPage(QStringLiteral("Page1"));
    AddBand<TrpMasterData>(page, "Rows", 0, 20)->SetRowCount(2);
    rpReportServices().ShowDialogPage = [this](TrpCustomReport&, TrpDialogPage& dialog) {
      Shown << dialog.Name();
      return Answers.isEmpty() ? mrOk : Answers.takeFirst();
    };
  }
  TrpDialogPage* AddDialog(const QString& name) {
    auto* dialog = new TrpDialogPage(Report.get());
    dialog->SetName(name);
    return dialog;
  }
  QString Trace() const {
    return Report->ReportScript()->Script().Variable(QStringLiteral("Trace")).ToText();
  }

  QStringList Shown;
  QList<int> Answers;
};

TEST_F(Dialogs, ACancelledDialogPreparesNothingBetweenTheStartAndStopEvents) {
  AddDialog(QStringLiteral("Dialog1"));
  Answers << mrCancel;
  Report->SetScriptText({QStringLiteral("var Trace: String;"),
                         QStringLiteral("procedure Start(Sender: Variant); begin Trace := Trace + 'start;'; end;"),
                         QStringLiteral("procedure Stop(Sender: Variant); begin Trace := Trace + 'stop;'; end;"),
                         QStringLiteral("begin end.")});
  Report->SetOnStartReport(QStringLiteral("Start"));
  Report->SetOnStopReport(QStringLiteral("Stop"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Report->Errors().isEmpty()) << Report->Errors().join(u'\n').toStdString();
  EXPECT_EQ(PageCount(), 0);
  EXPECT_EQ(Shown, QStringList{"Dialog1"});
  EXPECT_EQ(Trace(), QStringLiteral("start;stop;"));
}

TEST_F(Dialogs, TheEngineRunReturnsFalseWhenADialogIsCancelled) {
  AddDialog(QStringLiteral("Dialog1"));
  Answers << mrCancel;
  ASSERT_TRUE(rpReportServices().PrepareScript);
  rpReportServices().PrepareScript(*Report);
  EXPECT_FALSE(Report->Engine()->Run(true));
  EXPECT_EQ(PageCount(), 0);
}

TEST_F(Dialogs, ConfirmedDialogsLetTheReportRunInTheirPageOrder) {
  AddDialog(QStringLiteral("Dialog1"));
  AddDialog(QStringLiteral("Dialog2"));
  AddDialog(QStringLiteral("Hidden"))->SetVisible(false);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Shown, (QStringList{"Dialog1", "Dialog2"}));
  EXPECT_EQ(BandNames(0), (QStringList{"Rows", "Rows"}));
}

TEST_F(Dialogs, TheFirstDialogNotConfirmedEndsTheDialogs) {
  AddDialog(QStringLiteral("Dialog1"));
  AddDialog(QStringLiteral("Dialog2"));
  AddDialog(QStringLiteral("Dialog3"));
  Answers << mrOk << mrAbort;
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Shown, (QStringList{"Dialog1", "Dialog2"}));
}

TEST_F(Dialogs, APreparationOfOnePageShowsNoDialogs) {
  AddDialog(QStringLiteral("Dialog1"));
  rpReportServices().PrepareScript(*Report);
  EXPECT_TRUE(Report->PreparePage(*static_cast<TrpPage*>(Report->FindObject(QStringLiteral("Page1")))));
  EXPECT_TRUE(Shown.isEmpty());
}

TEST_F(Dialogs, WithoutWindowsAReportWithADialogFailsSayingSo) {
  rpReportServices().ShowDialogPage = nullptr;
  AddDialog(QStringLiteral("Dialog1"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Report->Errors(),
            QStringList{"The dialog \"Dialog1\" cannot be shown: this program has no windows"});
  EXPECT_EQ(PageCount(), 0);
}

TEST_F(Dialogs, TheReportsOnRunDialogsProcedureDecidesThroughShowModal) {
  AddDialog(QStringLiteral("Dialog1"));
  AddDialog(QStringLiteral("Dialog2"));  // not shown: the procedure shows only the first
  Report->SetScriptText({QStringLiteral("procedure RunDialogs(var Result: Boolean);"),
                         QStringLiteral("begin Result := Dialog1.ShowModal = mrOk; end;"),
                         QStringLiteral("begin end.")});
  Report->SetOnRunDialogs(QStringLiteral("RunDialogs"));
  Answers << mrCancel;
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(PageCount(), 0);
  Answers << mrOk;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Shown, (QStringList{"Dialog1", "Dialog1"}));
  EXPECT_EQ(BandNames(0), (QStringList{"Rows", "Rows"}));
}

TEST_F(Dialogs, AScriptReadsTheModalResultOfTheLastShowing) {
  AddDialog(QStringLiteral("Dialog1"));
  Report->SetScriptText({QStringLiteral("procedure RunDialogs(var Result: Boolean);"),
                         QStringLiteral("begin Dialog1.ShowModal; Result := Dialog1.ModalResult = 4; end;"),
                         QStringLiteral("begin end.")});
  Report->SetOnRunDialogs(QStringLiteral("RunDialogs"));
  Answers << 4;  // mrRetry
  ASSERT_TRUE(Prepare());
}

}  // namespace
