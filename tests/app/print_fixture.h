#pragma once
// The print command under test: the report services hold fakes for the parts other layers
// provide (an engine that records the definition it runs, a preview window that records being
// shown), and error messages are recorded instead of shown.
#include <QEventLoop>
#include <QTimer>

#include "idle_engine.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "window_fixture.h"

// One text object as the engine saw it.
struct MemoSnapshot {
  QString name, parent, text, fontName;
  Extended left = 0, top = 0, width = 0, height = 0;
  int fontSize = 0, fontCharset = 0, tag = 0;
  TColor fontColor = 0;
  bool autoWidth = false;
  TrpVAlign vAlign = vaTop;
};

inline MemoSnapshot SnapshotOf(const TrpMemoView& memo) {
  MemoSnapshot s;
  s.name = memo.Name();
  s.parent = memo.Parent() ? memo.Parent()->Name() : QString();
  s.text = memo.Memo().join(u'\n');
  s.fontName = memo.Font()->Name();
  s.left = memo.Left(), s.top = memo.Top(), s.width = memo.Width(), s.height = memo.Height();
  s.fontSize = memo.Font()->Size(), s.fontCharset = memo.Font()->Charset(), s.tag = memo.Tag();
  s.fontColor = memo.Font()->Color();
  s.autoWidth = memo.AutoWidth();
  s.vAlign = memo.VAlign();
  return s;
}

// The text objects of `report`, in the order of its components.
inline std::vector<MemoSnapshot> MemosOf(const TrpReport& report) {
  std::vector<MemoSnapshot> memos;
  for (const TrpComponent* c : report.Components())
    if (const auto* memo = dynamic_cast<const TrpMemoView*>(c)) memos.push_back(SnapshotOf(*memo));
  return memos;
}

class RecordingEngine : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  bool Run(bool, bool, TrpPage*) override {
    Runs.push_back(MemosOf(Report()));
    if (OnRun) OnRun();
    return true;
  }
  std::vector<std::vector<MemoSnapshot>> Runs;  // the definition's text objects, per run
  std::function<void()> OnRun;
};

class RecordingPreview : public TrpCustomPreview {
 public:
  void Init(TrpReport*, TrpCustomPreviewPages*) override {}
  void UnInit(TrpReport*) override {}
  bool Lock() override { return true; }
  void Unlock() override {}
  void RefreshReport() override {}
  void InternalOnProgressStart(TrpReport*, TrpProgressType, int) override {}
  void InternalOnProgress(TrpReport*, TrpProgressType, int) override {}
  void InternalOnProgressStop(TrpReport*, TrpProgressType, int) override {}
  TrpCustomPreviewForm* PreviewForm() const override { return nullptr; }
};

// A modal preview window: it runs the message loop, in which the report's timer starts the
// preparation, until the engine has run once, then closes.
class RecordingPreviewForm : public TrpCustomPreviewForm {
 public:
  struct Log {
    int shown = 0;
    int runsWhileShown = 0;
  };
  RecordingPreviewForm(Log& log, RecordingEngine*& engine) : FLog(log), FEngine(engine) {}
  TrpCustomPreview& Preview() override { return FPreview; }
  void Init() override {}
  void ShowModal() override {
    ++FLog.shown;
    QEventLoop loop;
    const size_t before = FEngine ? FEngine->Runs.size() : 0;
    if (FEngine) FEngine->OnRun = [&loop] { loop.quit(); };
    // A guard against a preparation that never starts; the test then fails on the run count.
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    if (FEngine) {
      FLog.runsWhileShown += int(FEngine->Runs.size() - before);
      FEngine->OnRun = nullptr;
    }
  }
  void Show() override { ++FLog.shown; }
  void Close() override {}
  void SetStatusText(const QString&) override {}

 private:
  Log& FLog;
  RecordingEngine*& FEngine;
  RecordingPreview FPreview;
};

class RecordingErrorBox : public TrpErrorBox {
 public:
  void ShowError(const QString& caption, const QString& text) override { Shown.append(caption + u'|' + text); }
  QStringList Shown;
};

// The window made after the services are in place, since its report takes its engine then.
class PrintTest : public WindowTest {
 protected:
  void SetUp() override {
    rpSetErrorBox(&errors_);
    InstallServices();
    WindowTest::SetUp();
  }
  void TearDown() override {
    window_.reset();
    rpReportServices() = TrpReportServices{};
    rpSetErrorBox(nullptr);
  }
  virtual void InstallServices() {
    rpReportServices().CreateEngine = [this](TrpReport& report) {
      auto engine = std::make_unique<RecordingEngine>(report);
      engine_ = engine.get();
      return engine;
    };
  }
  void Print() { Window().btnPrint->click(); }
  // The grid built, and row 1 filled with the first character of `word`.
  void FillFirstRow(const QString& word) {
    Activate();
    Generate(word);
    Drop(1, 1, 1);
  }
  TrpMemoView* Memo(const QString& name) const {
    return dynamic_cast<TrpMemoView*>(window_->rpt->FindObject(name));
  }

  RecordingErrorBox errors_;
  RecordingEngine* engine_ = nullptr;
};
