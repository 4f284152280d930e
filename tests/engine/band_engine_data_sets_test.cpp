// Data sets in a real preparation: bindings that survive the reload after each run, text bound to
// fields, data sets driven by the report's script, and definitions whose data sets are missing
// or never end.
#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "real_services_fixture.h"
#include "report/datasets/user_data_set.h"
#include "report/memo/memo_format.h"
#include "report/options/report_options.h"

namespace {

class DataSetRuns : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
    for (int i = 1; i <= 3; ++i)
      Rows.Rows.push_back(MemoryDataSet::Row{{"name", QStringLiteral("n%1").arg(i)}, {"amount", i * 1.5}});
  }
  TrpMasterData* AddRows(const QString& dataSetName) {
    auto* band = AddBand<TrpMasterData>(Page, QStringLiteral("MasterData1"), 40, 20);
    band->SetDataSetName(dataSetName);
    return band;
  }
  std::string Errors() const { return Report->Errors().join(u'\n').toStdString(); }

  TrpReportPage* Page = nullptr;
};

TEST_F(DataSetRuns, TheReportDataSetRunsThePagesOnceARecordInEveryPreparation) {
  Report->SetDataSetName(QStringLiteral("Rows"));
  auto* once = AddBand<TrpMasterData>(Page, QStringLiteral("Once"), 0, 20);
  once->SetRowCount(1);
  AddMemo(once, QStringLiteral("Name"), QStringLiteral("[Rows.\"name\"]"), 200);
  // The definition is read back after each run: the binding must hold for the second one too.
  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(Prepare()) << "run " << run;
    QStringList names;
    for (int i = 0; i < PageCount(); ++i) names += Texts(i, "Name");
    EXPECT_EQ(names, (QStringList{"n1", "n2", "n3"}));
    EXPECT_EQ(Report->DataSet(), &Rows);
  }
}

TEST_F(DataSetRuns, ATextBoundToAFieldShowsItFormatted) {
  auto* amount = AddMemo(AddRows(QStringLiteral("Rows")), QStringLiteral("Amount"), QStringLiteral("design"), 200);
  amount->SetDataSet(&Rows);
  amount->SetDataField(QStringLiteral("amount"));
  amount->DisplayFormat()->SetKind(fkNumeric);
  amount->DisplayFormat()->SetFormatStr(QStringLiteral("%2.2f"));
  amount->DisplayFormat()->SetDecimalSeparator(QStringLiteral("."));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "Amount"), (QStringList{"1.50", "3.00", "4.50"}));
}

TEST_F(DataSetRuns, AMissingDataSetFailsNamingTheObjectAndTheName) {
  struct Case {
    const char* What;
    std::function<void()> Name;
    QString Expected;
  } cases[] = {
      {"band", [&] { AddRows(QStringLiteral("Orders")); }, "MasterData1: Data set Orders does not exist"},
      {"page", [&] { Page->SetDataSetName(QStringLiteral("Pupils")); }, "Page1: Data set Pupils does not exist"},
      {"list", [&] { Report->DataSets().Add()->SetDataSetName(QStringLiteral("Marks")); }, "Data set Marks does not exist"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    c.Name();
    EXPECT_FALSE(Report->PrepareReport());
    EXPECT_TRUE(Report->Errors().contains(c.Expected)) << Errors();
    EXPECT_EQ(PageCount(), 0);
    // Undo for the next case: a fresh definition.
    Report->Clear();
    Report->DataSets().Add()->SetDataSetName(QStringLiteral("Rows"));
    Page = NewPage(QStringLiteral("Page1"));
  }
}

TEST_F(DataSetRuns, AFreedDataSetIsForgottenByEveryoneWhoNamedIt) {
  auto* extra = new TrpUserDataSet(nullptr);
  extra->SetUserName(QStringLiteral("Extra"));
  extra->SetRangeEnd(reCount);
  extra->SetRangeEndCount(2);
  Report->SetDataSet(extra);
  auto* band = AddRows(QStringLiteral("Extra"));
  TrpDataSetItem* item = Report->DataSets().Add(extra);
  ASSERT_EQ(band->DataSet(), extra);
  delete extra;
  EXPECT_EQ(Report->DataSet(), nullptr);
  EXPECT_EQ(band->DataSet(), nullptr);
  EXPECT_EQ(item->DataSet(), nullptr);
  // The names stay, so the next run says what is missing instead of running on nothing.
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Report->Errors().contains("MasterData1: Data set Extra does not exist")) << Errors();
}

TEST_F(DataSetRuns, AUserDataSetWithoutAnEndIsADefinitionError) {
  TrpUserDataSet endless(nullptr);
  endless.SetUserName(QStringLiteral("Endless"));
  AddRows(QStringLiteral("Endless"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_NE(Errors().find("The data set \"Endless\" has no end"), std::string::npos) << Errors();
}

TEST_F(DataSetRuns, TheScriptDrivesAUserDataSetOfTheReportFile) {
  auto* pupils = new TrpUserDataSet(Report.get());
  pupils->SetName(QStringLiteral("Pupils"));
  pupils->SetOnFirst(QStringLiteral("PupilsFirst"));
  pupils->SetOnNext(QStringLiteral("PupilsNext"));
  pupils->SetOnCheckEOF(QStringLiteral("PupilsEnd"));
  Report->DataSets().Add(pupils);
  AddMemo(AddRows(QStringLiteral("Pupils")), QStringLiteral("No"), QStringLiteral("[Seen]"), 200);
  Report->SetScriptText({"var Seen: Integer;",
                         "procedure PupilsFirst(Sender: Variant); begin Seen := 1; end;",
                         "procedure PupilsNext(Sender: Variant); begin Seen := Seen + 1; end;",
                         "procedure PupilsEnd(Sender: Variant; var Done: Boolean); begin Done := Seen > 4; end;",
                         "begin", "end."});
  // Through a file, as a user's report holds it: the band meets its data set only after loading.
  QBuffer file;
  file.open(QIODevice::ReadWrite);
  Report->SaveToStream(file);
  file.seek(0);
  Report->LoadFromStream(file);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "No"), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(DataSetRuns, ListedDataSetsAreInitialisedForTheRunOnly) {
  struct Counting : TrpUserDataSet {
    using TrpUserDataSet::TrpUserDataSet;
    void Initialize() override { ++Initialized; }
    void Finalize() override { ++Finalized; }
    int Initialized = 0, Finalized = 0;
  } counting(nullptr);
  counting.SetUserName(QStringLiteral("Counting"));
  Report->DataSets().Add()->SetDataSetName(QStringLiteral("Counting"));
  AddRows(QStringLiteral("Rows"));
  for (int run = 1; run <= 2; ++run) {
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(counting.Initialized, run);
    EXPECT_EQ(counting.Finalized, run);
    EXPECT_EQ(counting.ReportRef(), Report.get());
  }
}

TEST_F(DataSetRuns, ACopyThatCannotBeSavedFailsThePreparationAndKeepsThePassword) {
  AddRows(QStringLiteral("Rows"));
  Report->ReportOptions().SetPassword(QStringLiteral("secret"));
  Report->EngineOptions().SetUseFileCache(true);
  QTemporaryDir dir;
  Report->EngineOptions().SetTempDir(dir.filePath(QStringLiteral("missing/folder")));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_NE(Errors().find("Cannot create a temporary file"), std::string::npos) << Errors();
  EXPECT_EQ(Report->ReportOptions().Password(), QStringLiteral("secret"));
}

}  // namespace
