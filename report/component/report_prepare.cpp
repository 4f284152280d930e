// Preparing a report: the data-set check, the definition saved before the run and read back
// after it, the script, the engine, and one report of everything that went wrong.
#include <QBuffer>
#include <QDir>
#include <QTemporaryFile>

#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/objects/custom_engine.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/objects/report_private.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"
#include "script_engine/front/script_error.h"

namespace {


// Where the definition waits during a run: in memory, or in a temporary file when the engine
// options ask for a file cache.
class SavedDefinition {
 public:
  explicit SavedDefinition(const TrpEngineOptions& options) {
    if (!options.UseFileCache()) {
      FMemory.open(QIODevice::ReadWrite);
      return;
    }
    const QString dir = options.TempDir().isEmpty() ? QDir::tempPath() : options.TempDir();
    FFile = std::make_unique<QTemporaryFile>(QDir(dir).filePath(QStringLiteral("rpXXXXXX")));
    if (!FFile->open()) throw TrpError(QStringLiteral("Cannot create a temporary file in \"%1\"").arg(dir));
  }
  QIODevice& Device() { return FFile ? static_cast<QIODevice&>(*FFile) : FMemory; }

 private:
  QBuffer FMemory;
  std::unique_ptr<QTemporaryFile> FFile;  // removed when freed
};

// The copy of `report`'s definition a run is undone from. The password stays out of the copy
// and is put back whether the copy could be written or not.
std::unique_ptr<SavedDefinition> saveForReload(TrpReport& report) {
  auto saved = std::make_unique<SavedDefinition>(report.EngineOptions());
  TrpReportOptions& options = report.ReportOptions();
  const QString password = options.Password();
  options.SetPassword(QString());
  try {
    report.SaveToStream(saved->Device(), true, false);
  } catch (...) {
    options.SetPassword(password);
    throw;
  }
  options.SetPassword(password);
  return saved;
}

}  // namespace

// Every data-set name of the definition must name a data set: an object whose data set is
// missing would print its headers over no rows and call that a success.
bool TrpReport::CheckDataSets() {
  RebindDataSets();
  const QString pattern = rpResources()->Get(QStringLiteral("clDSNotExist"));
  for (int i = 0; i < FDataSets->Count(); ++i) {
    const TrpDataSetItem& item = *FDataSets->Items(i);
    if (item.Unresolved()) AddError(rpFormat(pattern, {item.DataSetName()}));
  }
  QList<TrpComponent*> objects = AllObjects();
  objects.prepend(this);
  for (TrpComponent* object : objects) {
    const TrpDataSetBinding* binding = object->DataSetBinding();
    if (binding && binding->Unresolved())
      AddError(object->Name() + QLatin1String(": ") + rpFormat(pattern, {binding->DataSetName()}));
  }
  return Errors().isEmpty();
}



void TrpReport::RestoreDefinition(QIODevice& copy) {
  const QStringList errors = Errors();
  const QString password = FReportOptions->Password();
  const int splicingLine = FPrintOptions->SplicingLine();
  copy.seek(0);
  FReloading = true;
  try {
    LoadFromStream(copy);
  } catch (...) {
    FReloading = false;
    FReportOptions->SetPassword(password);
    FPrintOptions->SetSplicingLine(splicingLine);
    ClearErrors();
    AddErrors(errors);
    throw;
  }
  FReloading = false;
  FReportOptions->SetPassword(password);
  FPrintOptions->SetSplicingLine(splicingLine);
  // The errors of the run are what the caller is told about.
  ClearErrors();
  AddErrors(errors);
}

bool TrpReport::RunPreparation() {
  if (OnBeginDoc) OnBeginDoc();
  if (const auto& prepare = rpReportServices().PrepareScript) prepare(*this);
  if (FTerminated) return false;
  if (!d->Engine) throw TrpError(QStringLiteral("The report engine is not available"));
  const bool done = d->Engine->Run(true, false, nullptr);
  if (!done) return false;
  if (OnEndDoc) OnEndDoc();
  return true;
}

bool TrpReport::PrepareReport(bool clearLastReport) {
  if (clearLastReport && d->PreviewPages) d->PreviewPages->Clear();
  if (FPreview) FPreview->Init(this, PreviewPages());
  ClearErrors();
  FTerminated = false;
  bool result = false;
  if (CheckDataSets()) {
    std::unique_ptr<SavedDefinition> saved;
    try {
      if (FEngineOptions->DestroyForms()) saved = saveForReload(*this);
      result = RunPreparation();
    } catch (const std::exception& e) {
      AddError(rpErrorText(e));
      result = false;
    }
    if (!result && PreviewForm()) PreviewForm()->Close();
    if (saved) RestoreDefinition(saved->Device());
  }
  if (Errors().isEmpty()) return result;
  ReportErrors();
  return false;
}

bool TrpReport::PreparePage(TrpPage& page) {
  if (!d->Engine) return false;
  return d->Engine->Run(false, false, &page);
}

void TrpReport::OnTimer() {
  d->Timer.stop();
  // A slot of the event loop: nothing may leave it as an exception (Qt would abort).
  try {
    PrepareReport(false);
  } catch (const std::exception& e) {
    AddError(rpErrorText(e));
    ReportErrors();
  }
}

void TrpReport::ShowReport(bool clearLastReport) {
  if (d->Engine && d->Engine->Running()) return;
  if (clearLastReport && d->PreviewPages) d->PreviewPages->Clear();
  if (FOldStyleProgress) {
    if (!PrepareReport(false)) return;
  } else {
    d->Timer.start();
  }
  ShowPreparedReport();
}

void TrpReport::ShowPreparedReport() {
  if (d->PreviewForm) {
    if (FPreview == &d->PreviewForm->Preview()) FPreview = nullptr;
    d->PreviewForm = nullptr;
  }
  if (FPreview) {
    // A control placed by the program: the program shows it.
    FPreview->Init(this, PreviewPages());
    return;
  }
  const auto& create = rpReportServices().CreatePreviewForm;
  std::unique_ptr<TrpCustomPreviewForm> form = create ? create(*this) : nullptr;
  if (!form) {
    // No window to show the pages in: a preparation waiting for the window's loop runs now.
    if (d->Timer.isActive()) OnTimer();
    return;
  }
  FPreview = &form->Preview();
  FPreview->Init(this, PreviewPages());
  form->Init();
  if (OnPreview) OnPreview();
  if (FPreviewOptions->Modal()) {
    d->OwnPreviewForm = std::move(form);
    d->OwnPreviewForm->ShowModal();
    d->Timer.stop();
    FPreview->UnInit(this);
    FPreview = nullptr;
    d->OwnPreviewForm.reset();
    if (OnClosePreview) OnClosePreview();
    return;
  }
  // A non-modal window frees itself when closed and says so through PreviewFormClosed.
  d->PreviewForm = form.release();
  d->PreviewForm->Show();
}

bool TrpReport::Print() {
  return d->PreviewPages && d->PreviewPages->Print();
}

bool TrpReport::Export(TrpCustomExportFilter& filter) {
  return d->PreviewPages && d->PreviewPages->Export(filter);
}
