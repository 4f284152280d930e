// Preparing and showing a report: the data-set check, the definition restored after a run, the
// error list and its three silent modes, and the preview's timer.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "idle_engine.h"
#include "qstring_printer.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report_fixture.h"

namespace {

// An engine that records its runs and does what the test tells it on each one.
class FakeEngine : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  bool Run(bool runDialogs, bool clearLastReport, TrpPage* page) override {
    (void)runDialogs, (void)clearLastReport, (void)page;
    ++Runs;
    SetRunning(true);
    bool result = OnRun ? OnRun(Report()) : true;
    SetRunning(false);
    return result;
  }
  std::function<bool(TrpReport&)> OnRun;
  int Runs = 0;
};

class Preparing : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    rpReportServices().CreateEngine = [this](TrpReport& r) {
      auto engine = std::make_unique<FakeEngine>(r);
      Engine = engine.get();
      return engine;
    };
    Report = std::make_unique<TrpReport>();
    BuildSample(*Report);
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
    ReportTest::TearDown();
  }
  TrpMemoView* Memo() const { return static_cast<TrpMemoView*>(Report->FindObject(QStringLiteral("Memo1"))); }

  FakeEngine* Engine = nullptr;
  std::unique_ptr<TrpReport> Report;
};

TEST_F(Preparing, ASuccessfulRunCallsBothHooksAndReturnsTrue) {
  QStringList calls;
  Report->OnBeginDoc = [&] { calls << QStringLiteral("begin"); };
  Report->OnEndDoc = [&] { calls << QStringLiteral("end"); };
  rpReportServices().PrepareScript = [&](TrpReport&) { calls << QStringLiteral("script"); };
  EXPECT_TRUE(Report->PrepareReport());
  EXPECT_EQ(calls, (QStringList{"begin", "script", "end"}));
  EXPECT_EQ(Engine->Runs, 1);
  EXPECT_TRUE(Box.Shown.isEmpty());
}

TEST_F(Preparing, AMissingDataSetStopsBeforeTheScriptWithOneMessage) {
  bool scriptRan = false;
  rpReportServices().PrepareScript = [&](TrpReport&) { scriptRan = true; };
  Report->DataSets().Add()->SetDataSetName(QStringLiteral("Customers"));
  TrpDataSet present(nullptr);
  present.SetUserName(QStringLiteral("Orders"));
  Report->DataSets().Add()->SetDataSetName(QStringLiteral("orders"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_FALSE(scriptRan);
  EXPECT_EQ(Engine->Runs, 0);
  EXPECT_EQ(Box.Shown, QStringList{QStringLiteral(
                           "Error|The following error(s) have occured:\r\nData set Customers does not exist")});
}

TEST_F(Preparing, ChangesMadeDuringTheRunAreUndoneAndTheErrorsSurvive) {
  Engine->OnRun = [](TrpReport& r) {
    static_cast<TrpMemoView*>(r.FindObject(QStringLiteral("Memo1")))->SetText(QStringLiteral("changed"));
    new TrpMemoView(r.FindObject(QStringLiteral("PageHeader1")));
    r.AddError(QStringLiteral("Engine trouble"));
    return true;
  };
  Report->EngineOptions().SetNewSilentMode(simSilent);
  EXPECT_FALSE(Report->PrepareReport());
  ASSERT_NE(Memo(), nullptr);
  EXPECT_EQ(Memo()->Text(), QStringLiteral("練習 & <test>\r\nsecond line\r\n"));
  EXPECT_EQ(Report->FindObject(QStringLiteral("PageHeader1"))->Objects().size(), 2);
  EXPECT_EQ(Report->Errors(), QStringList{QStringLiteral("Engine trouble")});
}

TEST_F(Preparing, TheDefinitionCanWaitInATemporaryFile) {
  Report->EngineOptions().SetUseFileCache(true);
  Engine->OnRun = [](TrpReport& r) {
    static_cast<TrpMemoView*>(r.FindObject(QStringLiteral("Memo1")))->SetText(QStringLiteral("changed"));
    return true;
  };
  EXPECT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Memo()->Text(), QStringLiteral("練習 & <test>\r\nsecond line\r\n"));
}

TEST_F(Preparing, ErrorsOfTheRunAreSortedAndListedOnce) {
  Engine->OnRun = [](TrpReport& r) {
    for (const char* m : {"zeta", "Alpha", "ZETA", "beta"}) r.AddError(QString::fromLatin1(m));
    throw TrpError(QStringLiteral("alpha"));
    return true;
  };
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Report->Errors(), (QStringList{"Alpha", "beta", "zeta"}));
  ASSERT_EQ(Box.Shown.size(), 1);
  EXPECT_TRUE(Box.Shown[0].endsWith(QLatin1String("occured:\r\nAlpha\r\nbeta\r\nzeta")));
}

TEST_F(Preparing, AScriptErrorIsReportedAndTheEngineDoesNotRun) {
  rpReportServices().PrepareScript = [](TrpReport&) { throw TrpError(QStringLiteral("Unit: 3:1: Undeclared identifier")); };
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Engine->Runs, 0);
  EXPECT_EQ(Report->Errors(), QStringList{QStringLiteral("Unit: 3:1: Undeclared identifier")});
}

TEST_F(Preparing, AnEngineThatFailsWithoutAMessageGivesFalseAndNoBox) {
  Engine->OnRun = [](TrpReport&) { return false; };
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Box.Shown.isEmpty());
}

TEST_F(Preparing, WithoutAnEngineNothingIsPretended) {
  rpReportServices().CreateEngine = nullptr;
  TrpReport bare;
  bare.EngineOptions().SetNewSilentMode(simSilent);
  EXPECT_FALSE(bare.PrepareReport());
  EXPECT_EQ(bare.Errors(), QStringList{QStringLiteral("The report engine is not available")});
}

struct SilentModeCase {
  TrpSilentMode Mode;
  int Boxes;
  bool Raises;
};

class SilentModes : public Preparing, public ::testing::WithParamInterface<SilentModeCase> {};

TEST_P(SilentModes, DecideHowTheErrorsReachTheUser) {
  Engine->OnRun = [](TrpReport&) -> bool { throw TrpError(QStringLiteral("broken")); };
  Report->EngineOptions().SetNewSilentMode(GetParam().Mode);
  if (GetParam().Raises) {
    try {
      Report->PrepareReport();
      ADD_FAILURE() << "expected an exception";
    } catch (const TrpError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("The following error(s) have occured:\r\nbroken"));
    }
  } else {
    EXPECT_FALSE(Report->PrepareReport());
  }
  EXPECT_EQ(Box.Shown.size(), GetParam().Boxes);
}

INSTANTIATE_TEST_SUITE_P(Preparing, SilentModes,
                         ::testing::Values(SilentModeCase{simMessageBoxes, 1, false},
                                           SilentModeCase{simSilent, 0, false},
                                           SilentModeCase{simReThrow, 0, true}));

// --- showing ---------------------------------------------------------------------------------

// A modal preview window: its loop runs until the test's condition holds (or a time limit).
class FakePreviewForm : public TrpCustomPreviewForm, public TrpCustomPreview {
 public:
  TrpCustomPreview& Preview() override { return *this; }
  void Init() override {}
  void ShowModal() override {
    Shown = true;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    while (!Done() && clock.elapsed() < 5000) loop.processEvents(QEventLoop::WaitForMoreEvents, 20);
    Shown = false;
  }
  void Show() override {}
  void Close() override { Closed = true; }
  void SetStatusText(const QString&) override {}
  void Init(TrpReport*, TrpCustomPreviewPages*) override {}
  void UnInit(TrpReport*) override {}
  bool Lock() override { return true; }
  void Unlock() override {}
  void RefreshReport() override {}
  void InternalOnProgressStart(TrpReport*, TrpProgressType, int) override {}
  void InternalOnProgress(TrpReport*, TrpProgressType, int) override {}
  void InternalOnProgressStop(TrpReport*, TrpProgressType, int) override {}
  TrpCustomPreviewForm* PreviewForm() const override { return nullptr; }

  std::function<bool()> Done;
  bool Shown = false;
  bool Closed = false;
};

TEST_F(Preparing, ShowReportPreparesInsideTheModalPreviewAndReturnsAfterIt) {
  FakePreviewForm* form = nullptr;
  bool preparedWhileShown = false;
  rpReportServices().CreatePreviewForm = [&](TrpReport&) {
    auto f = std::make_unique<FakePreviewForm>();
    form = f.get();
    f->Done = [this] { return Engine->Runs > 0; };
    return std::unique_ptr<TrpCustomPreviewForm>(std::move(f));
  };
  Engine->OnRun = [&](TrpReport&) {
    preparedWhileShown = form && form->Shown;
    return true;
  };
  Report->ShowReport();
  EXPECT_EQ(Engine->Runs, 1);
  EXPECT_TRUE(preparedWhileShown);
  EXPECT_EQ(Report->PreviewForm(), nullptr);  // freed when it closed
}

TEST_F(Preparing, ANonModalPreviewReturnsAtOnceAndPreparesFromTheMessageLoop) {
  FakePreviewForm* form = nullptr;
  rpReportServices().CreatePreviewForm = [&](TrpReport&) {
    auto f = std::make_unique<FakePreviewForm>();
    form = f.get();
    return std::unique_ptr<TrpCustomPreviewForm>(std::move(f));
  };
  bool closed = false;
  Report->OnClosePreview = [&] { closed = true; };
  Report->PreviewOptions().SetModal(false);
  Report->ShowReport();
  EXPECT_EQ(Engine->Runs, 0);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Report->PreviewForm(), form);
  QElapsedTimer clock;
  clock.start();
  while (Engine->Runs == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  EXPECT_EQ(Engine->Runs, 1);
  // The window frees itself when closed and tells the report.
  std::unique_ptr<FakePreviewForm> owned(form);
  Report->PreviewFormClosed(form);
  EXPECT_EQ(Report->PreviewForm(), nullptr);
  EXPECT_EQ(Report->Preview(), nullptr);
  EXPECT_TRUE(closed);
}

TEST_F(Preparing, OldStyleProgressPreparesBeforeTheWindowAndStopsOnFailure) {
  int windows = 0;
  rpReportServices().CreatePreviewForm = [&](TrpReport&) {
    ++windows;
    auto f = std::make_unique<FakePreviewForm>();
    f->Done = [] { return true; };
    return std::unique_ptr<TrpCustomPreviewForm>(std::move(f));
  };
  Report->SetOldStyleProgress(true);
  Report->EngineOptions().SetNewSilentMode(simSilent);
  Engine->OnRun = [](TrpReport&) { return false; };
  Report->ShowReport();
  EXPECT_EQ(windows, 0);
  Engine->OnRun = nullptr;
  Report->ShowReport();
  EXPECT_EQ(windows, 1);
  EXPECT_EQ(Engine->Runs, 2);
}

TEST_F(Preparing, ShowReportIsRefusedWhileTheEngineRuns) {
  int inner = 0;
  Engine->OnRun = [&](TrpReport& r) {
    if (Engine->Runs == 1) {
      r.ShowReport();
      inner = Engine->Runs;
    }
    return true;
  };
  Report->ShowReport();  // no window maker: prepares at once
  EXPECT_EQ(Engine->Runs, 1);
  EXPECT_EQ(inner, 1);
}

}  // namespace
