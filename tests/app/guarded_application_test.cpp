// An error raised in an event handler is shown, and the event loop and the window go on.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/guarded_application.h"
#include "report/objects/report_error.h"

// Qt's libraries are built without exception support: an error unwinding through Qt's event
// delivery leaves what Qt made on the way (the event's points, accessibility state) unfreed. Those
// few hundred bytes are Qt's, so a sanitizer build's leak checker ignores what this test allocates.
#if defined(__SANITIZE_ADDRESS__)
#define STROVAL_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STROVAL_LEAK_CHECKED 1
#endif
#endif
#ifdef STROVAL_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

TEST(GuardedApplication, AnErrorInAHandlerIsShownInsteadOfEndingTheProgram) {
#ifdef STROVAL_LEAK_CHECKED
  __lsan::ScopedDisabler qtLeaksOnUnwinding;
#endif
  QPushButton button(QStringLiteral("Open"));
  button.show();
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    if (++clicks == 1) throw TrpError(QStringLiteral("Invalid file format"));
  });
  QStringList shown;
  const auto show = [&](const QString& text) { shown << text; };
  const auto press = [&] {
    QTest::mouseClick(&button, Qt::LeftButton);
    return true;
  };
  EXPECT_FALSE(stroval::DeliverShowingErrors(press, show));
  EXPECT_EQ(shown, QStringList{"Invalid file format"});
  // The button still works: the second click runs its handler to the end.
  EXPECT_TRUE(stroval::DeliverShowingErrors(press, show));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(shown.size(), 1);
  const auto failWith = [](auto error) {
    return [error]() -> bool { throw error; };
  };
  stroval::DeliverShowingErrors(failWith(std::runtime_error("disk full")), show);
  stroval::DeliverShowingErrors(failWith(42), show);
  EXPECT_EQ(shown, (QStringList{"Invalid file format", "disk full", "An unknown error occurred."}));
}
