// Progress of preparing, printing and exporting: the program's callbacks, the progress window,
// and the attached preview control, which shows the pages of a run as they come.
#include <QCoreApplication>

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/objects/report_private.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"

namespace {

QString progressText(TrpProgressType kind, bool finalPass) {
  switch (kind) {
    case ptRunning: return finalPass ? QStringLiteral("prRunning") : QStringLiteral("prRunningFirst");
    case ptExporting: return QStringLiteral("prExporting");
    case ptPrinting: return QStringLiteral("prPrinting");
  }
  return {};
}

}  // namespace

void TrpReport::InternalOnProgressStart(TrpProgressType kind) {
  if (FEngineOptions->EnableThreadSafe()) return;
  if (OnProgressStart) OnProgressStart(this, kind, 0);
  if ((FOldStyleProgress || kind != ptRunning) && FShowProgress) {
    d->Progress.reset();
    if (const auto& create = rpReportServices().CreateProgress) d->Progress = create(*this);
  }
  if (FPreview && kind == ptRunning) FPreview->InternalOnProgressStart(this, kind, 0);
  QCoreApplication::processEvents();
}

void TrpReport::InternalOnProgress(TrpProgressType kind, int progress) {
  if (FEngineOptions->EnableThreadSafe()) return;
  if (OnProgress) OnProgress(this, kind, progress);
  if ((FOldStyleProgress || kind != ptRunning) && FShowProgress && d->Progress) {
    const bool finalPass = !d->Engine || d->Engine->FinalPass();
    d->Progress->SetMessage(rpFormat(rpResources()->Get(progressText(kind, finalPass)), {progress}));
    if (d->Progress->Terminated()) SetTerminated(true);
  }
  if (FPreview && kind == ptRunning) FPreview->InternalOnProgress(this, kind, progress - 1);
  QCoreApplication::processEvents();
}

void TrpReport::InternalOnProgressStop(TrpProgressType kind) {
  if (FEngineOptions->EnableThreadSafe()) return;
  if (OnProgressStop) OnProgressStop(this, kind, 0);
  d->Progress.reset();
  if (FPreview && kind == ptRunning) FPreview->InternalOnProgressStop(this, kind, 0);
  QCoreApplication::processEvents();
}

void TrpReport::SetProgressMessage(const QString& text, bool hint) {
  (void)hint;
  if (FOldStyleProgress && d->Progress && d->Engine && d->Engine->Running()) d->Progress->SetMessage(text);
  if (TrpCustomPreviewForm* form = PreviewForm()) form->SetStatusText(text);
}
