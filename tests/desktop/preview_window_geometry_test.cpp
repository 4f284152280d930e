// The preview window on a desktop with a window manager: it opens maximised inside the screen,
// can be made smaller, and stays inside the screen, at that size, once resized.
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>

#include <gtest/gtest.h>

#include "preview_snapshot.h"
#include "report/component/report.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview_form.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

// Lets the window manager and the window exchange their events until `done` has held for a
// moment without a break, or `limit` milliseconds pass (generous: the tests share the machine).
// A state the window manager is still changing (a restore answered late) does not count.
bool WaitFor(const std::function<bool()>& done, int limit = 15000) {
  constexpr int kSteady = 300;
  QElapsedTimer clock, held;
  clock.start();
  bool holding = false;
  while (clock.elapsed() < limit) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!done()) {
      holding = false;
    } else if (!holding) {
      holding = true;
      held.start();
    } else if (held.elapsed() >= kSteady) {
      return true;
    }
    QThread::msleep(10);
  }
  return done();
}

struct Seen {
  bool Maximised = false;
  QRect Screen;
  QRect Opened;     // the client area as it opened
  QRect Smaller;    // after the user made it smaller
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
    // A maximised window: its client area inside the screen, and its frame no larger than the
    // screen. (Qt may keep the border of the restored window in its frame for a while after the
    // window manager has taken it away, which moves the frame a pixel past the corner.)
    const auto inside = [&] {
      return seen.Screen.contains(form.geometry()) && form.frameGeometry().width() <= seen.Screen.width() &&
             form.frameGeometry().height() <= seen.Screen.height();
    };
    seen.Maximised = WaitFor([&] { return form.isMaximized() && inside(); });
    seen.Opened = form.geometry();
    form.showNormal();
    form.resize(640, 480);
    const QRect screenEdge = seen.Screen.adjusted(-1, -1, 1, 1);
    WaitFor([&] { return !form.isMaximized() && form.width() <= 700 && screenEdge.contains(form.frameGeometry()); });
    WaitFor([] { return false; }, 1500);  // more rounds: a window that keeps growing shows it here
    seen.Smaller = form.frameGeometry();
    seen.Minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
  });
  rpReportServices() = TrpReportServices{};

  EXPECT_TRUE(seen.Maximised);
  EXPECT_TRUE(seen.Screen.contains(seen.Opened)) << seen.Opened << " on " << seen.Screen;
  // A restored window may keep its one-pixel border just past the screen's corner.
  EXPECT_TRUE(seen.Screen.adjusted(-1, -1, 1, 1).contains(seen.Smaller)) << seen.Smaller << " on " << seen.Screen;
  EXPECT_LE(seen.Smaller.width(), 700) << seen.Smaller;
  EXPECT_LE(seen.Minimum.width(), 640);
}
