// Exporting from the preview window: the save button's menu lists every registered export
// filter, the quick PDF button shows with pbExportQuick, and each export asks its options dialog
// (answered by the test), then a file name; a text-mode report is exported as text.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "preview_window_fixture.h"
#include "report/export/export_options_dialog.h"
#include "report/options/preview_options.h"
#include "worksheet_report.h"

namespace {

class PreviewExport : public PreviewWindowTest {
 protected:
  void SetUp() override {
    PreviewWindowTest::SetUp();
    worksheet::Build(*Report);
    ASSERT_TRUE(Folder.isValid());
  }
  void TearDown() override {
    rpSetExportDialogRunner({});
    PreviewWindowTest::TearDown();
  }
  static QAction* Item(const QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions())
      if (action->text() == caption) return action;
    return nullptr;
  }
  QTemporaryDir Folder;
};

TEST_F(PreviewExport, TheSaveMenuListsEveryFilterAndThePdfButtonNeedsExportQuick) {
  for (const bool quick : {true, false}) {
    TrpPreviewButtons buttons = rpDefaultPreviewButtons;
    if (!quick) buttons.Exclude(pbExportQuick);
    Report->PreviewOptions().SetButtons(buttons);
    InThePreview(1, [quick](TrpPreviewForm& form) {
      QStringList captions;
      for (const QAction* action : form.ExportPopup->actions()) captions.append(action->text());
      EXPECT_EQ(captions, QStringList({"Prepared Report...", "", "PDF file...", "PNG picture...",
                                       "JPEG picture...", "Text file..."}))
          << captions.join('|').toStdString();
      EXPECT_EQ(form.PdfB->isVisible(), quick);
      EXPECT_EQ(form.PdfB->isEnabled(), quick);  // a hidden action is disabled
    });
  }
}

TEST_F(PreviewExport, AnExportAsksItsOptionsThenAFileName) {
  struct Case {
    const char* Name;
    bool TextMode;
    const char* Caption;  // the menu item; none for the quick PDF button
    TModalResult Answer;
    QString Filter;  // asked of the save dialog; empty when it is not asked
    QString Written;
  };
  const std::vector<Case> cases{
      {"quick pdf", false, nullptr, mrOk, "PDF file (*.pdf)", "sheet.pdf"},
      {"png from the menu", false, "PNG picture...", mrOk, "PNG picture (*.png)", "sheet-001.png"},
      {"options cancelled", false, "Text file...", mrCancel, "", ""},
      {"text mode takes text", true, "PDF file...", mrOk, "Text file (*.txt)", "sheet.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    QTemporaryDir folder;
    Report->SetDotMatrixReport(c.TextMode);
    Dialogs.Filters.clear();
    Dialogs.SaveAnswer = folder.filePath(QStringLiteral("sheet"));
    int asked = 0;
    rpSetExportDialogRunner([&asked, &c](TrpExportOptionsDialog&) {
      ++asked;
      return c.Answer;
    });
    InThePreview(1, [&c](TrpPreviewForm& form) {
      if (c.Caption)
        Item(*form.ExportPopup, QLatin1String(c.Caption))->trigger();
      else
        form.PdfB->trigger();
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Dialogs.Filters.join('|'), c.Filter);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), c.Written.isEmpty() ? QStringList() : QStringList{c.Written});
    EXPECT_TRUE(Dialogs.Messages.isEmpty()) << Dialogs.Messages.join('\n').toStdString();
  }
}

}  // namespace
