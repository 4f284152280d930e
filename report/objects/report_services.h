#pragma once
// The parts of a report that live in higher layers — the engine, the prepared-pages store, the
// preview and progress windows, the password dialog and the script binding. Those layers install
// their makers here at start-up; a report asks for them when it is created or needs them. Where
// nothing is installed the report works without that part and says so where it matters.
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class TrpCustomEngine;
class TrpCustomExportFilter;
class TrpCustomPreviewForm;
class TrpCustomPreviewPages;
class TrpCustomProgress;
class TrpCustomReport;
class TrpCustomReportScript;
class TrpDialogPage;
class TrpReport;

struct TrpReportServices {
  std::function<std::unique_ptr<TrpCustomEngine>(TrpReport&)> CreateEngine;
  std::function<std::unique_ptr<TrpCustomPreviewPages>(TrpReport&)> CreatePreviewPages;
  // A new preview window showing `report`; the report owns it while it is modal.
  std::function<std::unique_ptr<TrpCustomPreviewForm>(TrpReport&)> CreatePreviewForm;
  std::function<std::unique_ptr<TrpCustomProgress>(TrpReport&)> CreateProgress;
  // Asks the user for the password of a protected report: the text entered, or nothing when the
  // user cancelled.
  std::function<std::optional<QString>(TrpReport&)> AskPassword;
  // The report's script binding, made once with the report.
  std::function<std::unique_ptr<TrpCustomReportScript>(TrpReport&)> CreateReportScript;
  // Prepares the script's name space before a run; raises on a script error.
  std::function<void(TrpReport&)> PrepareScript;
  // Shows a dialog page of `report` as a modal window and answers its modal result (mrOk when
  // the user confirmed it). The window layer installs it; a program without windows leaves it
  // empty, and a report that needs a dialog then fails with a message saying so.
  std::function<int(TrpCustomReport&, TrpDialogPage&)> ShowDialogPage;
  // Prints prepared pages through the print job (dialog, ranges, copies, modes): true when the
  // pages went to the printer. The store's Print asks for it.
  std::function<bool(TrpCustomPreviewPages&)> PrintPreparedPages;
  // The export a dot-matrix report is printed through: its output (text with the printer's own
  // command bytes) goes to the printer unchanged. The export layer installs it; where nothing is
  // installed such a report prints its pages' pictures like any other.
  std::function<std::unique_ptr<TrpCustomExportFilter>()> CreateDotMatrixExport;
};

// The process-wide services; change them at start-up (tests put fakes in and take them out).
TrpReportServices& rpReportServices();
