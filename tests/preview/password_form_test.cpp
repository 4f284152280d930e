// The password dialog as a user meets it: loading a protected report opens it, the typed password
// opens the report, a wrong one (letter case included) or Cancel refuses it with "Invalid
// password", and a report without a password never asks.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/report_options.h"
#include "report/pages/report_page.h"
#include "report/preview/install_preview.h"
#include "report/preview/password_form.h"
#include "report/services/install_report_services.h"

namespace {

struct Answer {
  const char* Typed;
  bool Ok;  // OK, or Cancel
  bool Opens;
};

class PasswordDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
    ASSERT_TRUE(Folder.isValid());
  }
  void TearDown() override { rpReportServices() = TrpReportServices{}; }

  QString SaveReport(const QString& name, const QString& password) {
    TrpReport report;
    auto* page = new TrpReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    report.ReportOptions().SetPassword(password);
    const QString path = Folder.filePath(name);
    report.SaveToFile(path);
    return path;
  }

  // Loads `path`, answering the dialog (when it opens) as `answer` says; the dialogs seen.
  int Load(TrpReport& report, const QString& path, const Answer& answer) {
    int shown = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* form = qobject_cast<TrpPasswordForm*>(QApplication::activeModalWidget());
      if (!form || !form->isVisible()) return;
      ++shown;
      Seen.Caption = form->windowTitle();
      Seen.Prompt = form->PasswordL->text();
      Seen.Size = form->size();
      QTest::keyClicks(form->PasswordE, QString::fromUtf8(answer.Typed));
      Seen.Shown = form->PasswordE->displayText();
      QTest::mouseClick(answer.Ok ? form->OkB : form->CancelB, Qt::LeftButton);
    });
    poll.start(20);
    report.EngineOptions().SetNewSilentMode(simSilent);
    report.LoadFromFile(path);
    return shown;
  }

  struct {
    QString Caption, Prompt, Shown;
    QSize Size;
  } Seen;
  QTemporaryDir Folder;
};

}  // namespace

TEST_F(PasswordDialog, AProtectedReportAsksAndOpensOnlyWithItsPassword) {
  const QString path = SaveReport(QStringLiteral("locked.xml"), QStringLiteral("Secret"));
  const Answer answers[] = {{"Secret", true, true}, {"secret", true, false}, {"Secret", false, false}, {"", true, false}};
  for (const Answer& answer : answers) {
    SCOPED_TRACE(std::string(answer.Typed) + (answer.Ok ? " OK" : " Cancel"));
    TrpReport report;
    EXPECT_EQ(Load(report, path, answer), 1);
    EXPECT_EQ(report.StreamLoaded(), answer.Opens);
    EXPECT_EQ(report.Errors().contains(QStringLiteral("Invalid password")), !answer.Opens);
    // Every typed character is shown, none as itself.
    const QString typed = QString::fromUtf8(answer.Typed);
    EXPECT_EQ(Seen.Shown.size(), typed.size());
    if (!typed.isEmpty()) {
      EXPECT_FALSE(Seen.Shown.contains(typed.left(1)));
    }
  }
  EXPECT_EQ(Seen.Caption, QStringLiteral("Password"));
  EXPECT_EQ(Seen.Prompt, QStringLiteral("Enter the password:"));
  EXPECT_EQ(Seen.Size, QSize(252, 92));
}

TEST_F(PasswordDialog, AReportWithoutAPasswordNeverAsks) {
  const QString path = SaveReport(QStringLiteral("open.xml"), QString());
  TrpReport report;
  EXPECT_EQ(Load(report, path, {"x", true, true}), 0);
  EXPECT_TRUE(report.StreamLoaded());
}
