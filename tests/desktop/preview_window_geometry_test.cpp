// The preview window on a desktop with a window manager: it opens maximised with its frame
// inside the screen, can be made smaller, and stays inside the screen when resized.
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>

#include <gtest/gtest.h>

#include "preview_snapshot.h"
#include "report/model/engine_options.h"
#include "report/model/preview_options.h"
#include "report/model/report.h"
#include "report/model/report_services.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview_form.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

// Lets the window manager and the window exchange their events until `done` holds or 5 s pass.
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  QApplication::processEvents();
  return done();
}

struct Seen {
  bool Maximised = false;
  QRect Screen;
  QRect Opened;     // the frame as it opened
  QRect Smaller;    // after the user made it smaller
  QRect Again;      // maximised again
  QSize Minimum;
};

}  // namespace

// Rectangles in failure messages (found by argument lookup, so outside the unnamed namespace).
std::ostream& operator<<(std::ostream& os, const QRect& r) {
  return os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

TEST(PreviewWindowOnADesktop, OpensMaximisedInsideTheScreenAndStaysThereWhenResized) {
  rpInstallReportServices();
  rpInstallPreview();
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  report.PreviewOptions().SetMaximized(true);
  report.PreviewOptions().SetZoomMode(zmPageWidth);
  worksheet::Build(report, worksheet::Fonts::Sheet);

  Seen seen;
  rpDrivePreview([&] { report.ShowReport(); }, 1, [&](TrpPreviewForm& form) {
    seen.Screen = form.screen()->geometry();
    const auto inside = [&] { return seen.Screen.contains(form.frameGeometry()); };
    seen.Maximised = WaitFor([&] { return form.isMaximized() && inside(); });
    seen.Opened = form.frameGeometry();
    form.showNormal();
    form.resize(640, 480);
    WaitFor([&] { return !form.isMaximized() && form.width() <= 700; });
    WaitFor([] { return false; });  // a few more rounds: a growing window shows itself here
    seen.Smaller = form.frameGeometry();
    form.showMaximized();
    WaitFor([&] { return form.isMaximized() && inside(); });
    seen.Again = form.frameGeometry();
    seen.Minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
  });
  rpReportServices() = TrpReportServices{};

  EXPECT_TRUE(seen.Maximised);
  EXPECT_TRUE(seen.Screen.contains(seen.Opened)) << seen.Opened << " on " << seen.Screen;
  // A restored window may keep its one-pixel border just past the screen's corner.
  EXPECT_TRUE(seen.Screen.adjusted(-1, -1, 1, 1).contains(seen.Smaller)) << seen.Smaller << " on " << seen.Screen;
  EXPECT_LE(seen.Smaller.width(), 700) << seen.Smaller;
  EXPECT_TRUE(seen.Screen.contains(seen.Again)) << seen.Again << " on " << seen.Screen;
  EXPECT_LE(seen.Minimum.width(), 640);
}
