// The progress window: it disables the window that was active, gives it back, and cancels.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "report/preview/progress_form.h"

TEST(ProgressWindow, DisablesTheActiveWindowUntilItIsGone) {
  QWidget main;
  main.show();
  QApplication::setActiveWindow(&main);
  ASSERT_EQ(QApplication::activeWindow(), &main);
  {
    TrpProgress progress;
    progress.Execute(0, QString(), false, true);
    EXPECT_FALSE(main.isEnabled());
    progress.SetMessage(QStringLiteral("Printing page 3"));
    EXPECT_EQ(progress.MessageLabel()->text(), QStringLiteral("Printing page 3"));
  }
  EXPECT_TRUE(main.isEnabled());
}

TEST(ProgressWindow, EscapeActsAsCancel) {
  TrpProgress progress;
  progress.Execute(0, QStringLiteral("Preparing page 1"), false, true);
  EXPECT_FALSE(progress.Terminated());
  QTest::keyClick(&progress, Qt::Key_Escape);
  EXPECT_TRUE(progress.Terminated());
  EXPECT_FALSE(progress.isVisible());
}

TEST(ProgressWindow, TheMessageMovesUpWhileTheBarShows) {
  TrpProgress progress;
  progress.Execute(10, QStringLiteral("x"), true, false);
  EXPECT_EQ(progress.MessageLabel()->y(), 15);
  EXPECT_TRUE(progress.ProgressBar()->isVisible());
  EXPECT_FALSE(progress.CancelButton()->isVisible());
  progress.SetShowProgress(false);
  EXPECT_EQ(progress.MessageLabel()->y(), 35);
}

TEST(ProgressWindow, TickStopsAtTheBarMaximum) {
  TrpProgress progress;
  progress.Execute(2, QString(), true, true);
  for (int i = 0; i < 5; ++i) progress.Tick();
  EXPECT_EQ(progress.Position(), 2);
  progress.Reset();
  EXPECT_EQ(progress.Position(), 0);
}
