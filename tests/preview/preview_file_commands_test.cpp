// The preview window's Open, Save and Print keys on the real store and print job, pressed as a
// user presses them over the previewed worksheet: a file that is not a prepared report, a place
// that cannot be written, a prepared report opened over the worksheet and printed, a page
// selection that names no page, and a file with a damaged page. No error may leave the window's
// key handler.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "preview_window_fixture.h"
#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/print_options.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/printer/printers.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

class PreviewFileCommands : public PreviewWindowTest {
 protected:
  void SetUp() override {
    PreviewWindowTest::SetUp();
    Report->PrintOptions().SetShowDialog(false);
    worksheet::Build(*Report);
    ASSERT_TRUE(Folder.isValid());
  }

  // Shows the worksheet in the preview window and hands the window to `act` once its page is
  // there; the window closes afterwards.
  void InThePreview(const std::function<void(TrpPreviewForm&)>& act) { PreviewWindowTest::InThePreview(1, act); }
  static void PressCtrl(TrpPreviewForm& form, Qt::Key key) {
    QTest::keyClick(form.PreviewControl(), key, Qt::ControlModifier);
  }

  // A prepared report of `count` pages: the worksheet prepared, with empty pages put before it.
  QString PreparedReport(int count) {
    TrpReport source;
    source.EngineOptions().SetNewSilentMode(simSilent);
    worksheet::Build(source);
    EXPECT_TRUE(source.PrepareReport());
    TrpCustomPreviewPages& pages = *source.PreviewPages();
    while (pages.GetCount() < count) pages.AddEmptyPage(0);
    const QString path = Folder.filePath(QStringLiteral("four.rpp"));
    EXPECT_TRUE(pages.SaveToFile(path));
    return path;
  }

  QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = Folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QTemporaryDir Folder;
};

}  // namespace

TEST_F(PreviewFileCommands, OpeningFilesThatAreNoPreparedReportsSaysSoAndKeepsTheWindow) {
  struct Case {
    const char* Name;
    QByteArray Bytes;
    const char* Reason;
  };
  const Case cases[] = {
      {"build.log", "[ 1%] Building CXX object\n", "Invalid file format"},
      {"definition.xml", "<?xml version=\"1.0\"?><TrpReport><TrpReportPage", "Invalid file format"},
      {"missing.rpp", QByteArray(), "does not exist"},
  };
  for (const Case& c : cases) {
    Dialogs.Messages.clear();
    Dialogs.OpenAnswer = c.Bytes.isEmpty() ? Folder.filePath(QString::fromLatin1(c.Name))
                                           : WriteFile(QString::fromLatin1(c.Name), c.Bytes);
    bool stillShown = false;
    InThePreview([&](TrpPreviewForm& form) {
      PressCtrl(form, Qt::Key_O);
      stillShown = form.isVisible() && !form.PreviewControl()->Locked();
    });
    EXPECT_TRUE(stillShown) << c.Name;
    ASSERT_EQ(Dialogs.Messages.size(), 1) << c.Name;
    EXPECT_TRUE(Dialogs.Messages[0].contains(QString::fromLatin1(c.Name))) << qPrintable(Dialogs.Messages[0]);
    EXPECT_TRUE(Dialogs.Messages[0].contains(QString::fromLatin1(c.Reason))) << qPrintable(Dialogs.Messages[0]);
  }
}

TEST_F(PreviewFileCommands, SavingWhereNothingCanBeWrittenSaysSo) {
  Dialogs.SaveAnswer = Folder.filePath(QStringLiteral("no-such-folder/sheet.rpp"));
  InThePreview([&](TrpPreviewForm& form) { PressCtrl(form, Qt::Key_S); });
  ASSERT_EQ(Dialogs.Messages.size(), 1);
  EXPECT_TRUE(Dialogs.Messages[0].startsWith(QStringLiteral("Cannot save the file"))) << qPrintable(Dialogs.Messages[0]);
  EXPECT_FALSE(QFile::exists(Dialogs.SaveAnswer));
}

TEST_F(PreviewFileCommands, AnOpenedPreparedReportPrintsAsLoadedNotTheWorksheet) {
  Dialogs.OpenAnswer = PreparedReport(4);
  Report->PrintOptions().SetPageNumbers(QStringLiteral("2-3"));
  int shownBefore = 0, shownAfter = 0;
  InThePreview([&](TrpPreviewForm& form) {
    PressCtrl(form, Qt::Key_O);
    shownBefore = form.PreviewControl()->PageCount();
    PressCtrl(form, Qt::Key_P);
    shownAfter = form.PreviewControl()->PageCount();
  });
  EXPECT_TRUE(Dialogs.Messages.isEmpty()) << qPrintable(Dialogs.Messages.join('\n'));
  EXPECT_TRUE(ErrorBoxes.isEmpty()) << qPrintable(ErrorBoxes.join('\n'));
  EXPECT_EQ(shownBefore, 4);
  EXPECT_EQ(shownAfter, 4);
  ASSERT_EQ(Laser->Documents.size(), 1);
  EXPECT_EQ(Laser->Documents[0].Pages.size(), 2);
}

TEST_F(PreviewFileCommands, APageSelectionNamingNoPageIsAnErrorNotASilentSuccess) {
  Report->PrintOptions().SetPageNumbers(QStringLiteral("2-3"));
  InThePreview([&](TrpPreviewForm& form) { PressCtrl(form, Qt::Key_P); });
  EXPECT_TRUE(Laser->Documents.isEmpty());
  ASSERT_EQ(ErrorBoxes.size(), 1);
  EXPECT_TRUE(ErrorBoxes[0].endsWith(QStringLiteral("names no page to print"))) << qPrintable(ErrorBoxes[0]);
}

TEST_F(PreviewFileCommands, APageThatCannotBeReadSaysSoOnItsSheetAndInTheStatusBar) {
  // Three sheets prepared and saved; the second one's record loses its matching closing tag, so
  // the file opens (pages are read as they are shown) and only that page cannot be read.
  TrpReport source;
  source.EngineOptions().SetNewSilentMode(simSilent);
  Build(source, {{QStringLiteral("first")}, {QStringLiteral("second")}, {QStringLiteral("third")}});
  ASSERT_TRUE(source.PrepareReport());
  const QString saved = Folder.filePath(QStringLiteral("three.rpp"));
  ASSERT_TRUE(source.PreviewPages()->SaveToFile(saved));
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray bytes = file.readAll();
  const QByteArray record = "u=\"second\"/>";
  ASSERT_TRUE(bytes.contains(record)) << bytes.constData();
  bytes.replace(record, "u=\"second\"></zz>");
  Dialogs.OpenAnswer = WriteFile(QStringLiteral("damaged.rpp"), bytes);

  int pages = 0;
  QString hint;
  int redPixels = 0;
  InThePreview([&](TrpPreviewForm& form) {
    PressCtrl(form, Qt::Key_O);
    pages = form.PreviewControl()->PageCount();
    form.PreviewControl()->SetPageNo(2);
    Settle();
    const QImage shown = form.PreviewControl()->Workspace()->viewport()->grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) {
        const QRgb p = shown.pixel(x, y);
        redPixels += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
      }
    hint = form.StatusText(2);
  });
  EXPECT_EQ(pages, 3);
  EXPECT_TRUE(Dialogs.Messages.isEmpty()) << qPrintable(Dialogs.Messages.join('\n'));
  EXPECT_TRUE(ErrorBoxes.isEmpty()) << qPrintable(ErrorBoxes.join('\n'));
  EXPECT_EQ(hint, QStringLiteral("Invalid file format: page 2 cannot be read"));
  EXPECT_GT(redPixels, 50) << "the message is written on the sheet";
}
