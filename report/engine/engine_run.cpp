// A run of the engine: definition checks, data sets, source pages, one or two passes over the
// report pages, and the page runs.
#include <QCoreApplication>
#include <QDateTime>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/engine/engine.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/engine_options.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"
#include "report/res/resources.h"

namespace {

// Every data set a band of the tree names, master first.
void collectBandDataSets(const TrpDataNode& node, QList<const TrpDataSet*>& out) {
  if (const TrpDataSet* data = node.Band->DataSet()) out << data;
  for (const auto& detail : node.Details) collectBandDataSets(*detail, out);
}

QStringList dataSetConflicts(const TrpReport& report, const TrpReportPage& page,
                             const TrpPageBands& bands) {
  QStringList messages;
  const TrpDataSet* reportData = report.DataSet();
  const TrpDataSet* pageData = page.DataSet();
  QList<const TrpDataSet*> bandData;
  for (const auto& master : bands.Masters) collectBandDataSets(*master, bandData);
  if (reportData && reportData == pageData)
    messages << QStringLiteral("Cannot use the same dataset for Report.DataSet and Page.DataSet");
  if (reportData && bandData.contains(reportData))
    messages << QStringLiteral("Cannot use the same dataset for Report.DataSet and Band.DataSet");
  if (pageData && bandData.contains(pageData))
    messages << QStringLiteral("Cannot use the same dataset for Page.DataSet and Band.DataSet");
  return messages;
}

}  // namespace

TrpEngine::TrpEngine(TrpReport& report)
    : TrpCustomEngine(report), FAggregates(std::make_unique<TrpAggregateList>(report)) {}

TrpEngine::~TrpEngine() = default;

TrpPageBuilder& TrpEngine::Builder() const { return *PreviewPages(); }

TrpPageAnchors& TrpEngine::Anchors() const { return *PreviewPages(); }

TrpCustomPreviewPages& TrpEngine::Store() const { return *PreviewPages(); }

TrpCustomOutline* TrpEngine::Outline() const { return PreviewPages()->Outline(); }

bool TrpEngine::GetDoublePass() const { return Report().EngineOptions().DoublePass(); }

void TrpEngine::StopReport() { Report().SetTerminated(true); }

bool TrpEngine::Terminated() const { return Report().Terminated(); }

QList<TrpReportPage*> TrpEngine::ReportPages() const {
  QList<TrpReportPage*> pages;
  for (TrpComponent* child : Report().Objects()) {
    auto* page = dynamic_cast<TrpReportPage*>(child);
    if (!page) continue;
    // Subreport pages run inside the page that shows them, so they are always prepared.
    if (FOnlyPage && page != FOnlyPage && !page->IsSubReport()) continue;
    pages << page;
  }
  return pages;
}

// Window messages are processed between band trees, so a progress window's Cancel reaches the
// report; a report prepared on another thread must not touch the event loop. Master rows ask
// after every row, which is far more often than a window needs and cost more than short rows
// themselves: messages are processed at most every kMessageIntervalMs (new pages process them
// anyway, through the progress report).
void TrpEngine::ProcessMessages() {
  constexpr qint64 kMessageIntervalMs = 20;
  if (Report().EngineOptions().EnableThreadSafe()) return;
  if (FMessageClock.isValid() && FMessageClock.elapsed() < kMessageIntervalMs) return;
  FMessageClock.start();
  QCoreApplication::processEvents();
}

bool TrpEngine::Initialize(TrpPage* only) {
  FOnlyPage = only;
  Store().Initialize();
  Store().SetAddPageAction(apAdd);
  SetStart(QDateTime::currentDateTime());
  SetRunning(true);
  FBands.clear();
  FAggregates->Clear();
  const QString misplaced = rpResources()->Get(QStringLiteral("enBandPos"));
  for (TrpReportPage* page : ReportPages()) {
    auto bands = std::make_shared<TrpPageBands>();
    for (const QString& name : rpBuildBandTree(*page, *bands))
      Report().AddError(misplaced + QLatin1Char(' ') + name);
    Report().AddErrors(dataSetConflicts(Report(), *page, *bands));
    FBands.insert(page, bands);
  }
  return Report().Errors().isEmpty();
}

bool TrpEngine::Run(bool runDialogs, bool clearLastReport, TrpPage* page) {
  if (clearLastReport) Store().Clear();
  if (!Initialize(page)) {
    SetRunning(false);
    return false;
  }
  Report().DataSets().Initialize();
  bool prepared = false;
  try {
    Report().DoNotifyEvent(&Report(), Report().OnStartReport());
    // A cancelled dialog ends the run before anything is prepared.
    if (!runDialogs || RunDialogs()) {
      for (TrpReportPage* source : ReportPages()) {
        Builder().AddSourcePage(*source);
        // After the source page is registered, so that the objects keep their aliases.
        AttachVerticalObjects(*source);
        FAggregates->AddItems(*source);
      }
      RunPass();
      prepared = true;
    }
  } catch (...) {
    Finalize();
    throw;
  }
  Finalize();
  return prepared && !Terminated();
}

void TrpEngine::RunPass() {
  SetFinalPass(!GetDoublePass());
  SetTotalPages(0);
  const LastColumnRecord startColumn = TakeLastColumnRecord();
  Builder().BeginPass();
  RunReportPages();
  if (!GetDoublePass() || Terminated()) return;
  // The first pass only counted the pages; the final one writes them again knowing the total.
  SetTotalPages(Store().GetCount());
  Store().SetCurPage(Store().GetCount() - 1);
  Builder().ClearFirstPassPages();
  // The first pass moved the page it started on to the column it left that page in; the final
  // pass starts again in the column the page had before.
  RestoreLastColumnRecord(startColumn);
  FAggregates->ClearValues();
  SetFinalPass(true);
  RunReportPages();
}

// The record of the last page, which a pass appended to earlier pages starts on.
TrpEngine::LastColumnRecord TrpEngine::TakeLastColumnRecord() {
  LastColumnRecord record;
  if (Store().GetCount() == 0) return record;
  Store().SetCurPage(Store().GetCount() - 1);
  record.Kept = Builder().GetLastColumnPos(record.Column, record.Position);
  return record;
}

// Onto the store's current page, where ClearFirstPassPages leaves it: the page the pass began on
// (none when the pass began on an empty store).
void TrpEngine::RestoreLastColumnRecord(const LastColumnRecord& record) {
  if (Store().CurPage() < 0) return;
  Builder().UpdatePageLastColumn(record.Column, !record.Kept, record.Position);
}

void TrpEngine::Finalize() {
  RunStopEvent();
  Report().EndDrillAllRequest();
  Report().DataSets().Finalize();
  DetachVerticalObjects();
  Builder().Finish();
  SetCurBand(nullptr);
  SetRunning(false);
}

void TrpEngine::RunReportPages() {
  FFirstReportPage = true;
  FTitlePrinted = false;
  ResetLineNumbers();
  FCollapsedHeaders.clear();
  TrpDataSet* reportData = Report().DataSet();
  if (!reportData) {
    RunEachReportPage();
  } else {
    for (reportData->First(); !reportData->Eof() && !Terminated(); reportData->Next())
      RunEachReportPage();
  }
  // The last group of logical page numbers learns its page count, which the final pass of a
  // double-pass report shows as TotalPages.
  Anchors().ResetLogicalPageNumber();
}

void TrpEngine::RunEachReportPage() {
  for (TrpReportPage* page : ReportPages())
    if (page->Visible() && !page->IsSubReport() && !Terminated()) RunPage(*page);
}

void TrpEngine::RunPage(TrpReportPage& page) {
  FIsFirstBand = true;
  Report().DoBeforePrint(&page);
  if (TrpDataSet* data = page.DataSet()) {
    data->First();
    while (!data->Eof() && !Terminated()) {
      ShowPage(page);
      data->Next();
    }
  } else {
    for (int i = 0; i < page.PageCount() && !Terminated(); ++i) ShowPage(page);
  }
  Report().DoAfterPrint(&page);
}

bool TrpEngine::PageHasRecords(const TrpPageBands& bands) {
  for (const auto& master : bands.Masters)
    if (HasRows(*master)) return true;
  return false;
}

void TrpEngine::ShowPage(TrpReportPage& page) {
  FPage = &page;
  FPageBands = FBands.value(&page).get();
  const bool alwaysShown = page.PrintIfEmpty() && Report().EngineOptions().PrintIfEmpty();
  if (!alwaysShown && !PageHasRecords(*FPageBands)) return;
  InitPage();
  ShowLooseObjects();
  if (!RunManualBuild(page)) {
    for (const auto& master : FPageBands->Masters) {
      if (Terminated()) break;
      RunDataBand(*master);
      ProcessMessages();
    }
  }
  FinishLastPage();
  FFirstReportPage = false;
}
