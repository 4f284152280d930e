#include "preview_snapshot.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"

namespace {

QImage grab(TrpPreviewWorkspace& workspace) {
  return workspace.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void note(TrpPreviewForm& form, const std::function<int(long double)>& scrollBy, PreviewSnapshot& seen) {
  TrpPreview& preview = *form.PreviewControl();
  TrpPreviewWorkspace& workspace = *preview.Workspace();
  seen.Window = true;
  seen.Maximised = form.windowState() & Qt::WindowMaximized;
  seen.Caption = form.windowTitle();
  seen.Status = form.StatusText(0);
  seen.PageBox = form.PageE->text();
  seen.OfLabel = form.OfNL->text();
  seen.ZoomText = form.ZoomCB->currentText();
  seen.Zoom = preview.Zoom();
  const int scrollBar = preview.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  seen.PageWidthZoom = (workspace.width() - scrollBar - 26) / 794.0L;
  seen.Page = workspace.ScreenBounds(0);
  seen.Image = grab(workspace);
  const int before = workspace.VertPosition();
  workspace.SetVertPosition(before + scrollBy(seen.Zoom));
  seen.ScrolledBy = workspace.VertPosition() - before;
  seen.Scrolled = grab(workspace);
}

}  // namespace

void rpDrivePreview(const std::function<void()>& open, int pages,
                    const std::function<void(TrpPreviewForm&)>& act) {
  QTimer poll;
  QElapsedTimer clock;
  clock.start();
  bool acted = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* form = qobject_cast<TrpPreviewForm*>(QApplication::activeModalWidget());
    if (!form || acted) return;
    TrpPreview& preview = *form->PreviewControl();
    // Ready once the report's preparation has returned: the engine shows the last pages and
    // processes messages before it ends.
    const TrpReport* report = preview.Report();
    const bool preparing = report && report->Engine() && report->Engine()->Running();
    const bool ready = preview.PageCount() == pages && !preview.Running() && !preparing &&
                       preview.Workspace()->PageList().Count() == pages;
    if (!ready && clock.elapsed() < 20000) return;
    acted = true;
    act(*form);
    form->close();
  });
  poll.start(20);
  open();
}

PreviewSnapshot rpSnapshotPreview(const std::function<void()>& open,
                                  const std::function<int(long double zoom)>& scrollBy) {
  PreviewSnapshot seen;
  rpDrivePreview(open, 1, [&](TrpPreviewForm& form) { note(form, scrollBy, seen); });
  return seen;
}
