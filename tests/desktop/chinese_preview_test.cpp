// The preview window under a Taiwan locale (run with LANG=zh_TW.UTF-8): the program's start-up
// choice of language finds the Chinese table, the status bar counts pages in Chinese, and the
// print button's hint shows in Chinese when the pointer rests on it. The screen is saved to
// $STROVAL_DESKTOP_GRAB for a person to look at.
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QScreen>
#include <QThread>
#include <QToolBar>
#include <QToolTip>

#include <gtest/gtest.h>

#include "app/report_language.h"
#include "preview_snapshot.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview_form.h"
#include "report/res/languages.h"
#include "report/res/resources.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

bool WaitUntil(const std::function<bool()>& done, int limit = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < limit && !done()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  return done();
}

struct SeenInChinese {
  QString Status;
  QString Hint;
  bool HintShown = false;
};

TEST(ChinesePreview, StatusAndToolBarHintsReadInTaiwaneseChinese) {
  ASSERT_EQ(qEnvironmentVariable("LANG"), QStringLiteral("zh_TW.UTF-8")) << "run with LANG=zh_TW.UTF-8";
  QString problem;
  EXPECT_EQ(stroval::ChooseReportLanguage(QString(), QLocale::system(), &problem), QStringLiteral("Zh_tw")) << problem.toStdString();
  EXPECT_FALSE(QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty());
  rpInstallReportServices();
  rpInstallPreview();
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  report.PreviewOptions().SetMaximized(true);
  worksheet::Build(report, worksheet::Fonts::Sheet);

  SeenInChinese seen;
  rpDrivePreview([&] { report.ShowReport(); }, 1, [&](TrpPreviewForm& form) {
    WaitUntil([&] { return form.isActiveWindow() && form.StatusText(0).startsWith(u'第'); });
    seen.Status = form.StatusText(0);
    // Rest the pointer on the print button until its hint shows, as a user's would.
    QWidget* print = form.ToolBar->widgetForAction(form.PrintB);
    QCursor::setPos(print->mapToGlobal(print->rect().center()));
    seen.HintShown = WaitUntil([] { return QToolTip::isVisible(); });
    seen.Hint = QToolTip::text();
    WaitUntil([] { return false; }, 500);  // let the hint paint
    const QString grab = qEnvironmentVariable("STROVAL_DESKTOP_GRAB");
    if (!grab.isEmpty()) form.screen()->grabWindow(0).save(grab, "PNG");
  });
  rpReportServices() = TrpReportServices{};
  rpResources()->LoadLanguage(rpEnglishLanguage());

  EXPECT_EQ(seen.Status, QStringLiteral("第 1 頁，共 1 頁"));
  EXPECT_TRUE(seen.HintShown);
  EXPECT_EQ(seen.Hint, QStringLiteral("列印"));
}

}  // namespace
