#include "report/component/report.h"

#include <algorithm>

#include <unordered_map>

#include <array>

#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/styles.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_report_script.h"
#include "report/objects/report_error.h"
#include "report/objects/report_private.h"
#include "report/objects/report_services.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"

namespace {

const QString kVersion = QStringLiteral("5.3.14");
const QString kIniFile = QStringLiteral("\\Software\\Stroval");

}  // namespace

TrpReport::TrpReport()
    : d(std::make_unique<TrpReportPrivate>()),
      FEngineOptions(std::make_unique<TrpEngineOptions>()),
      FPreviewOptions(std::make_unique<TrpPreviewOptions>()),
      FPrintOptions(std::make_unique<TrpPrintOptions>()),
      FReportOptions(std::make_unique<TrpReportOptions>()),
      FDataSets(std::make_unique<TrpReportDataSets>(this)),
      FEnabledDataSets(std::make_unique<TrpReportDataSets>(this)),
      FVariables(std::make_unique<TrpVariables>()),
      FStyles(std::make_unique<TrpStyles>(this)),
      FIniFile(kIniFile) {
  d->Timer.setInterval(50);
  d->Timer.setSingleShot(false);
  QObject::connect(&d->Timer, &QTimer::timeout, [this] { OnTimer(); });
  const TrpReportServices& services = rpReportServices();
  if (services.CreateEngine) d->Engine = services.CreateEngine(*this);
  if (services.CreatePreviewPages) SetPreviewPages(services.CreatePreviewPages(*this));
  if (services.CreateReportScript) d->Script = services.CreateReportScript(*this);
  Clear();
}

TrpReport::~TrpReport() {
  d->Timer.stop();
  // Objects first, while the parts they may call still exist; then the windows and the parts.
  TrpComponent::Clear();
  while (!Components().isEmpty()) delete Components().last();
  if (d->PreviewForm) {
    TrpCustomPreviewForm* form = d->PreviewForm;
    if (FPreview == &form->Preview()) FPreview = nullptr;
    d->PreviewForm = nullptr;
    form->Close();
  }
  if (FPreview) FPreview->UnInit(this);
  FPreview = nullptr;
  d->OwnPreviewForm.reset();
  d->Progress.reset();
  d->PreviewPages.reset();
  d->Engine.reset();
}

void TrpReport::Clear() {
  TrpComponent::Clear();
  FDataSets->Clear();
  FEnabledDataSets->Clear();
  FVariables->Clear();
  FStyles->Clear();
  FStyles->SetName(QString());
  FEngineOptions->Clear();
  FPreviewOptions->Clear();
  FPrintOptions->Clear();
  FReportOptions->Clear();
  FDataSetBinding.SetDataSet(nullptr);
  FDotMatrixReport = false;
  RemoveAncestor();
  FScriptLanguage = DefaultScriptLanguage();
  FScriptText = {QStringLiteral("begin"), QString(), QStringLiteral("end.")};
  FSysVariables = {QStringLiteral("Date"),       QStringLiteral("Time"),        QStringLiteral("Page"),
                   QStringLiteral("Page#"),      QStringLiteral("TotalPages"),  QStringLiteral("TotalPages#"),
                   QStringLiteral("Line"),       QStringLiteral("Line#"),       QStringLiteral("CopyName#")};
  FOnRunDialogs.clear();
  FOnStartReport.clear();
  FOnStopReport.clear();
}

QString TrpReport::Version() const { return kVersion; }

void TrpReport::SetTerminated(bool value) {
  // The script is stopped by the script binding, which watches this flag on every line.
  FTerminated = value;
}

TrpCustomEngine* TrpReport::Engine() const { return d->Engine.get(); }
TrpCustomPreviewPages* TrpReport::PreviewPages() const { return d->PreviewPages.get(); }

void TrpReport::SetPreviewPages(std::unique_ptr<TrpCustomPreviewPages> pages) {
  d->PreviewPages = std::move(pages);
  if (d->Engine) d->Engine->SetPreviewPages(d->PreviewPages.get());
  if (d->PreviewPages) d->PreviewPages->SetEngine(d->Engine.get());
}

void TrpReport::AddPicture(TrpPictureView& view) {
  if (d->PreviewPages) d->PreviewPages->AddPicture(view);
}

void TrpReport::SetPreview(TrpCustomPreview* preview) {
  if (FPreview && FPreview != preview) {
    FPreview->UnInit(this);
    d->PreviewForm = nullptr;
  }
  FPreview = preview;
  if (!FPreview) return;
  FPreview->Init(this, PreviewPages());
  // A window the report shows modally is its own: it is freed when the modal showing ends, so it
  // must not also be remembered as a window that frees itself (a preview switching tabs back to
  // this report attaches it again).
  TrpCustomPreviewForm* form = FPreview->PreviewForm();
  if (form && form != d->OwnPreviewForm.get()) d->PreviewForm = form;
}

TrpCustomReportScript* TrpReport::ReportScript() const { return d->Script.get(); }

ScriptValue TrpReport::Calc(const QString& expression) {
  if (!d->Script) return TrpCustomReport::Calc(expression);
  return d->Script->Calc(expression);
}

void TrpReport::SetLocalValue(const ScriptValue& value) {
  TrpCustomReport::SetLocalValue(value);
  if (d->Script) d->Script->SetLocalValue(value);
}

void TrpReport::SetSelfValue(TrpComponent* object) {
  TrpCustomReport::SetSelfValue(object);
  if (d->Script) d->Script->SetSelfValue(object);
}

TrpCustomPreviewForm* TrpReport::PreviewForm() const {
  return d->OwnPreviewForm ? d->OwnPreviewForm.get() : d->PreviewForm;
}

void TrpReport::PreviewFormClosed(TrpCustomPreviewForm* form) {
  if (d->PreviewForm != form) return;
  d->PreviewForm = nullptr;
  if (FPreview == &form->Preview()) FPreview = nullptr;
  if (OnClosePreview) OnClosePreview();
}

void TrpReport::Notification(TrpComponent* removed) {
  FDataSetBinding.Forget(removed);
  if (d->Script) d->Script->Notification(removed);
  TrpCustomReport::Notification(removed);
}

namespace {

enum PrintEvent { kBeforePrint, kAfterPrint, kAfterData };

// The script procedure an object names for one of its print events (empty when it names none or
// has no such event). The descriptors are looked up once per class.
QString scriptEventOf(const TrpComponent& object, PrintEvent event) {
  static constexpr const char* kNames[] = {"OnBeforePrint", "OnAfterPrint", "OnAfterData"};
  using Events = std::array<const TrpPropertyDescriptor*, 3>;
  thread_local std::unordered_map<const TrpClassInfo*, Events> found;
  // The few classes of a band and its objects come again and again: the last ones are kept at
  // hand (entries of an unordered_map stay where they are).
  struct Recent {
    const TrpClassInfo* Class = nullptr;
    const Events* Found = nullptr;
  };
  thread_local std::array<Recent, 4> recent;
  thread_local unsigned next = 0;
  const TrpClassInfo& info = object.KeptClassInfo();
  const Events* events = nullptr;
  for (const Recent& r : recent)
    if (r.Class == &info) events = r.Found;
  if (!events) {
    auto [it, added] = found.try_emplace(&info);
    if (added)
      for (std::size_t i = 0; i < 3; ++i) {
        const TrpPropertyDescriptor* d = info.FindProperty(QLatin1String(kNames[i]));
        it->second[i] = d && d->Kind == TrpPropertyKind::String ? d : nullptr;
      }
    events = &it->second;
    recent[next++ % recent.size()] = {&info, events};
  }
  const TrpPropertyDescriptor* d = (*events)[event];
  if (!d) return QString();
  return d->GetText ? d->GetText(object) : d->Get(object).toString();
}

}  // namespace

// The program's callback, then the object's script procedure of the same event.
void TrpReport::DoBeforePrint(TrpComponent* object) {
  if (OnBeforePrint) OnBeforePrint(object);
  DoNotifyEvent(object, scriptEventOf(*object, kBeforePrint));
}

void TrpReport::DoAfterPrint(TrpComponent* object) {
  if (OnAfterPrint) OnAfterPrint(object);
  DoNotifyEvent(object, scriptEventOf(*object, kAfterPrint));
}

void TrpReport::DoAfterData(TrpComponent* object) { DoNotifyEvent(object, scriptEventOf(*object, kAfterData)); }

void TrpReport::DoNotifyEvent(TrpComponent* sender, const QString& procedure) {
  if (procedure.isEmpty()) return;
  TrpCustomReportScript* script = ReportScript();
  if (!script) throw TrpError(QStringLiteral("The report has no script to run \"%1\"").arg(procedure));
  script->DoNotifyEvent(sender, procedure);
}

void TrpReport::DoParamEvent(const QString& procedure, std::vector<ScriptValue>& args) {
  if (procedure.isEmpty()) return;
  TrpCustomReportScript* script = ReportScript();
  if (!script) throw TrpError(QStringLiteral("The report has no script to run \"%1\"").arg(procedure));
  script->DoParamEvent(procedure, args);
}

const TrpStyleItem* TrpReport::FindStyle(const QString& name) const { return FStyles->Find(name); }

const TrpReportDataSets* TrpReport::LocalDataSets() const {
  return FEngineOptions->UseGlobalDataSetList() ? nullptr : FDataSets.get();
}
