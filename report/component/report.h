#pragma once
// TrpReport: the report component. It owns a report definition (its pages and their objects),
// the option records and the data-set list, loads and saves report files, and prepares, shows
// and prints the report through the engine, the prepared-pages store and the preview, which
// higher layers supply (report_services.h).
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "report/datasets/data_set_binding.h"
#include "report/objects/custom_preview.h"
#include "report/objects/custom_report.h"

class QIODevice;
class QSettings;
class TrpCustomEngine;
class TrpCustomExportFilter;
class TrpCustomPreviewPages;
class TrpCustomReportScript;
class TrpDataSet;
class TrpEngineOptions;
class TrpPage;
class TrpPreviewOptions;
class TrpPrintOptions;
class TrpReportDataSets;
class TrpStyles;
class TrpReportOptions;
class TrpReportPage;
class TrpVariables;
class TrpView;
struct TrpReportPrivate;

class TrpReport : public TrpCustomReport {
 public:
  TrpReport();
  ~TrpReport() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Frees the pages and objects and puts every property back as a new report has it, except
  // what belongs to the hosting program (see the option records' Clear).
  void Clear() override;

  // --- published properties --------------------------------------------------------------------
  // Always "5.3.14": the setter ignores what it is given.
  QString Version() const;
  void SetVersion(const QString& value) { (void)value; }
  const QString& ParentReport() const { return FParentReport; }
  // Frees the ancestor loaded before and its inherited objects; then, for a non-empty name,
  // loads the ancestor report (beside this report's file, else in the application folder,
  // unless OnLoadTemplate loads it), takes copies of its objects, marked inherited, and its
  // report properties but the program's settings and the password. Raises TrpError when the
  // ancestor cannot be loaded; the name is kept (report_inheritance.cpp).
  void SetParentReport(const QString& value);
  // The loaded ancestor report, or none.
  TrpReport* ParentReportObject() const { return FParentReportObject.get(); }
  // What `object` is written against: the ancestor report for the report itself, the ancestor's
  // object of the same name for an inherited object, none for everything else.
  const TrpComponent* AncestorOf(const TrpComponent& object) const;
  // The main data set: the report pages run once per record. None once it has been freed.
  TrpDataSet* DataSet() const { return FDataSetBinding.DataSet(); }
  void SetDataSet(TrpDataSet* value) { FDataSetBinding.SetDataSet(value); }
  const QString& DataSetName() const { return FDataSetBinding.DataSetName(); }
  void SetDataSetName(const QString& value) { FDataSetBinding.SetDataSetName(this, value); }
  TrpDataSetBinding* DataSetBinding() override { return &FDataSetBinding; }
  bool DotMatrixReport() const { return FDotMatrixReport; }
  void SetDotMatrixReport(bool value) { FDotMatrixReport = value; }
  TrpEngineOptions& EngineOptions() const { return *FEngineOptions; }
  TrpPreviewOptions& PreviewOptions() const { return *FPreviewOptions; }
  TrpPrintOptions& PrintOptions() const { return *FPrintOptions; }
  TrpReportOptions& ReportOptions() const { return *FReportOptions; }
  const QString& IniFile() const { return FIniFile; }
  void SetIniFile(const QString& value) { FIniFile = value; }
  bool OldStyleProgress() const { return FOldStyleProgress; }
  void SetOldStyleProgress(bool value) { FOldStyleProgress = value; }
  QString ScriptLanguage() const override { return FScriptLanguage; }
  // An empty language stands for the default one: a file that names none still runs, and saving it
  // again writes the same language it was read with.
  void SetScriptLanguage(const QString& value) { FScriptLanguage = value.isEmpty() ? DefaultScriptLanguage() : value; }
  static QString DefaultScriptLanguage() { return QStringLiteral("PascalScript"); }
  const QStringList& ScriptText() const { return FScriptText; }
  void SetScriptText(const QStringList& value) { FScriptText = value; }
  bool ShowProgress() const { return FShowProgress; }
  void SetShowProgress(bool value) { FShowProgress = value; }
  bool StoreInDFM() const { return FStoreInDFM; }
  void SetStoreInDFM(bool value) { FStoreInDFM = value; }
  // Script procedures run at those moments.
  const QString& OnRunDialogs() const { return FOnRunDialogs; }
  void SetOnRunDialogs(const QString& value) { FOnRunDialogs = value; }
  const QString& OnStartReport() const { return FOnStartReport; }
  void SetOnStartReport(const QString& value) { FOnStartReport = value; }
  const QString& OnStopReport() const { return FOnStopReport; }
  void SetOnStopReport(const QString& value) { FOnStopReport = value; }
  const QString& OnReportPrint() const { return FOnReportPrint; }
  void SetOnReportPrint(const QString& value) { FOnReportPrint = value; }

  // --- program callbacks -----------------------------------------------------------------------
  std::function<void()> OnBeginDoc;   // before a preparation
  std::function<void()> OnEndDoc;     // after a successful one
  std::function<void()> OnPreview;    // the preview window exists, not yet shown
  std::function<void()> OnClosePreview;
  std::function<void(TrpComponent*)> OnBeforePrint;
  std::function<void(TrpComponent*)> OnAfterPrint;
  std::function<void(TrpReport*, TrpProgressType, int)> OnProgressStart;
  std::function<void(TrpReport*, TrpProgressType, int)> OnProgress;
  std::function<void(TrpReport*, TrpProgressType, int)> OnProgressStop;
  // Values of names the report does not define: set `value` to answer (left empty: no answer).
  std::function<void(const QString& name, ScriptValue& value)> OnGetValue;
  std::function<void(TrpReport* sender, const QString& name, ScriptValue& value)> OnNewGetValue;
  // A program-supplied function (AddFunction) was called: its upper-case name and arguments.
  std::function<ScriptValue(const QString& name, const ScriptValue& args)> OnUserFunction;
  // Builds the content of `page` by program instead of its band tree (calling the engine's
  // ShowBand, NewPage, NewColumn, FreeSpace ...); it takes precedence over the page's own
  // OnManualBuild script procedure.
  std::function<void(TrpReportPage& page)> OnManualBuild;
  // Loads the ancestor report `name` into `ancestor` instead of from a file; true when it did.
  std::function<bool(TrpReport& ancestor, const QString& name)> OnLoadTemplate;
  // Printing: before the first page, before each page (page index, copy number), and after the
  // job, also after a failure.
  std::function<void()> OnPrintReport;
  std::function<void(int, int)> OnPrintPage;
  std::function<void()> OnAfterPrintReport;
  // The preview: a click or double click on an object (its mouse button and keyboard state; set
  // `modified` when the handler changed the object, so the page is stored again and redrawn), the
  // pointer entering and leaving an object, and a hyperlink of kind hkCustom clicked.
  std::function<void(TrpView*, Qt::MouseButton, Qt::KeyboardModifiers, bool& modified)> OnClickObject;
  std::function<void(TrpView*, Qt::MouseButton, Qt::KeyboardModifiers, bool& modified)> OnDblClickObject;
  std::function<void(TrpView*)> OnMouseEnter, OnMouseLeave, OnMouseOverObject;

  // --- state -----------------------------------------------------------------------------------
  TrpReportDataSets& DataSets() const { return *FDataSets; }
  // The report's own list, unless its engine options ask for the program's list of every data set.
  const TrpReportDataSets* LocalDataSets() const override;
  // The data sets a designer offers; GetActiveDataSetList reads it without the global list.
  TrpReportDataSets& EnabledDataSets() const { return *FEnabledDataSets; }
  // The report's styles, written into report files as the nested element "Styles".
  TrpStyles& Styles() const { return *FStyles; }
  const TrpStyleItem* FindStyle(const QString& name) const override;
  // The report's variables, written into report files as the nested element "Variables".
  TrpVariables& Variables() const { return *FVariables; }
  const QStringList& SysVariables() const { return FSysVariables; }
  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& value) { FFileName = value; }
  bool Modified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  bool Reloading() const { return FReloading; }
  // Whether the last LoadFromStream read a definition (false after a fatal error or a rejected
  // password).
  bool StreamLoaded() const { return FStreamLoaded; }
  bool Terminated() const { return FTerminated; }
  void SetTerminated(bool value);
  // Limits on each run of the report's script (an expression, an event procedure): seconds and
  // statements, 0 for none (the default). Set by the program, not stored in the report.
  double ScriptTimeout() const { return FScriptTimeout; }
  void SetScriptTimeout(double seconds) { FScriptTimeout = seconds; }
  qint64 ScriptStepLimit() const { return FScriptStepLimit; }
  void SetScriptStepLimit(qint64 steps) { FScriptStepLimit = steps; }
  // The keys of the drill-down group occurrences the user toggled in the preview (expanded, or
  // collapsed for headers with ExpandDrillDown). It belongs to the report's use, not to its
  // definition: Clear and loading keep it; the preview empties it when it shows a new run.
  QStringList& DrillState() { return FDrillState; }
  const QStringList& DrillState() const { return FDrillState; }
  // Asks the next preparation to open (true) or fold (false) every drill-down group it meets and
  // to write the drill state to match; the engine ends the request with that run.
  void RequestDrillAll(bool expand) { FDrillAllRequest = expand; }
  const std::optional<bool>& DrillAllRequest() const { return FDrillAllRequest; }
  void EndDrillAllRequest() { FDrillAllRequest.reset(); }

  // --- parts from higher layers ----------------------------------------------------------------
  TrpCustomEngine* Engine() const;
  TrpCustomPreviewPages* PreviewPages() const;
  // Replaces the store (the report takes it) and links the engine and the store to each other.
  void SetPreviewPages(std::unique_ptr<TrpCustomPreviewPages> pages);
  // Hands a picture object whose picture changed to the store, which sets its ImageIndex.
  void AddPicture(TrpPictureView& view) override;
  TrpCustomPreview* Preview() const { return FPreview; }
  // Attaches a preview control placed elsewhere, or detaches one (none).
  void SetPreview(TrpCustomPreview* preview);
  TrpCustomPreviewForm* PreviewForm() const;
  // The report's script binding, or none when no binding is installed.
  TrpCustomReportScript* ReportScript() const override;

  // --- script ----------------------------------------------------------------------------------
  // Evaluates through the script binding; without one, as the base report (raises).
  ScriptValue Calc(const QString& expression) override;
  void SetLocalValue(const ScriptValue& value) override;
  void SetSelfValue(TrpComponent* object) override;
  // A non-modal preview window tells the report it closed and is gone.
  void PreviewFormClosed(TrpCustomPreviewForm* form);

  // --- data-set lookups (report_data_lookup.cpp) ---------------------------------------------
  // The data set of the report list's entry named `alias`, or none.
  TrpDataSet* GetDataset(const QString& alias) const;
  // The user name of `dataSet` when the report lists it; "(dataset is not included in
  // Report.DataSets)" when it does not; empty for none.
  QString GetAlias(const TrpDataSet* dataSet) const;
  // Splits `name` of the form alias."field" into the data set (GetDataset) and the field name;
  // none and an empty field for any other form.
  void GetDatasetAndField(const QString& name, TrpDataSet*& dataSet, QString& field) const;
  // The user names of the listed data sets; user data sets left out when `onlyDB`.
  QStringList GetDataSetList(bool onlyDB = false) const;
  // With UseGlobalDataSetList every enabled data set of the process that has a user name,
  // otherwise the enabled-data-set list's.
  QList<TrpDataSet*> GetActiveDataSetList() const;
  // Looks up again every data-set name of the report, its list, pages, bands and views: after a
  // load, and before a run, when the program may have created its data sets since.
  void RebindDataSets();

  // --- files -----------------------------------------------------------------------------------
  // Clears the report and reads the file. Returns true when the file existed and was read as a
  // report; a missing file raises TrpError when `exceptionIfNotFound`, else gives false. Errors
  // met while reading are in Errors() and have gone through the common error handler.
  bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false);
  // Writes to a temporary file beside `fileName` that replaces it only once completely written;
  // raises TrpError when the file cannot be written, and the old file is then untouched.
  void SaveToFile(const QString& fileName);
  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream, bool saveChildren = true, bool saveDefaultValues = false,
                    bool streaming = false) const override;
  // Gives the report a data page as its first page when it has none.
  void CheckDataPage();
  // The data-set list, the variables and the styles as the nested elements "Datasets",
  // "Variables" and "Styles" (each only when not empty).
  void WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const override;
  bool ReadNestedProperty(TrpXMLItem& item) override;

  // --- settings and printer ------------------------------------------------------------------
  // The user's settings store that IniFile names: "\Software\Org\App" is a per-user store of
  // the platform, anything else the path of an ini file.
  std::unique_ptr<QSettings> GetIniFile() const;
  // The program's folder (the current one in a designer), with a trailing separator.
  QString GetApplicationFolder() const;
  // Makes the printer PrintOptions.Printer names current, when the printer list has it.
  void SelectPrinter();

  // --- running ---------------------------------------------------------------------------------
  bool PrepareReport(bool clearLastReport = true);
  // Prepares and shows the report in the preview; see ShowPreparedReport.
  void ShowReport(bool clearLastReport = true);
  void ShowPreparedReport();
  // Prints the prepared pages; false without a store or when printing failed.
  bool Print();
  bool Export(TrpCustomExportFilter& filter);
  // Runs the engine on `page` alone, without dialogs and without clearing.
  bool PreparePage(TrpPage& page);
  void DoBeforePrint(TrpComponent* object);
  void DoAfterPrint(TrpComponent* object);
  // The object's OnAfterData script procedure, after the engine fetched its data.
  void DoAfterData(TrpComponent* object);
  // Run the report script's procedure `procedure` (nothing for an empty name) with the sender, or
  // with `args` whose by-reference parameters come back changed. Raise when the report has no
  // script binding or the script fails.
  void DoNotifyEvent(TrpComponent* sender, const QString& procedure) override;
  void DoParamEvent(const QString& procedure, std::vector<ScriptValue>& args);
  // A click in the preview on `object`: its OnPreviewClick (or OnPreviewDblClick) script procedure
  // with (Sender, Button, Shift, var Modified), then OnClickObject (OnDblClickObject). True when
  // either changed the object.
  bool DoPreviewClick(TrpView* object, Qt::MouseButton button, Qt::KeyboardModifiers shift, bool doubleClick);
  // The pointer entered or left `object`: the program's callback, then the object's script
  // procedure (OnMouseEnter, OnMouseLeave) with the object as Sender.
  void DoMouseEnter(TrpView* object);
  void DoMouseLeave(TrpView* object);

  // --- progress --------------------------------------------------------------------------------
  void InternalOnProgressStart(TrpProgressType kind);
  void InternalOnProgress(TrpProgressType kind, int progress);
  void InternalOnProgressStop(TrpProgressType kind);
  void SetProgressMessage(const QString& text, bool hint = false);

  // Reports the error list, after the UI string "clErrors", through the common error handler.
  void ReportErrors();

  void Notification(TrpComponent* removed) override;

 private:
  void RestoreDefinition(QIODevice& copy);
  bool RunPreparation();
  bool CheckDataSets();
  bool CheckPassword();
  void OnTimer();
  QString ResolveParentReport(const QString& name) const;
  std::unique_ptr<TrpReport> LoadAncestor(const QString& name);
  void RemoveAncestor();
  void InheritFrom(const TrpReport& ancestor);
  void CopyReportProperties(const TrpReport& ancestor);

  std::unique_ptr<TrpReportPrivate> d;
  std::unique_ptr<TrpEngineOptions> FEngineOptions;
  std::unique_ptr<TrpPreviewOptions> FPreviewOptions;
  std::unique_ptr<TrpPrintOptions> FPrintOptions;
  std::unique_ptr<TrpReportOptions> FReportOptions;
  std::unique_ptr<TrpReportDataSets> FDataSets;
  std::unique_ptr<TrpReportDataSets> FEnabledDataSets;
  std::unique_ptr<TrpVariables> FVariables;
  std::unique_ptr<TrpStyles> FStyles;
  QString FParentReport;
  std::unique_ptr<TrpReport> FParentReportObject;
  // While the definition is read back after a run, the ancestor it had waits here for reuse.
  std::unique_ptr<TrpReport> FSpareAncestor;
  QString FSpareAncestorName;
  TrpDataSetBinding FDataSetBinding;
  bool FDotMatrixReport = false;
  QString FIniFile;
  bool FOldStyleProgress = false;
  TrpCustomPreview* FPreview = nullptr;
  QString FScriptLanguage;
  QStringList FScriptText;
  bool FShowProgress = true;
  bool FStoreInDFM = true;
  QString FOnRunDialogs;
  QString FOnStartReport;
  QString FOnStopReport;
  QString FOnReportPrint;
  QStringList FSysVariables;
  QStringList FDrillState;
  std::optional<bool> FDrillAllRequest;
  QString FFileName;
  bool FModified = false;
  bool FReloading = false;
  bool FStreamLoaded = false;
  bool FTerminated = false;
  double FScriptTimeout = 0;
  qint64 FScriptStepLimit = 0;
};
