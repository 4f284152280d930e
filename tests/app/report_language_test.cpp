// The language of the report subsystem's windows: from the locale or --language, and the
// preview, print dialog and progress window created afterwards speak it.
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/report_language.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/preview/preview_form.h"
#include "report/preview/progress_form.h"
#include "report/print/print_dialog.h"
#include "report/res/format_text.h"
#include "report/res/languages.h"
#include "report/res/resources.h"
#include "report/services/install_report_services.h"

namespace {

// The language files lie beside this test program as they lie beside the program (the build
// copies them). Every test leaves the table English again.
class ReportLanguage : public ::testing::Test {
 protected:
  void SetUp() override { rpInstallReportServices(); }
  void TearDown() override { rpResources()->LoadLanguage(rpEnglishLanguage()); }
};

TEST_F(ReportLanguage, ComesFromTheRequestElseTheLocaleElseEnglish) {
  const struct {
    const char* requested;
    const char* locale;
    const char* language;
    const char* print;  // the preview's print hint, 102
    bool problem;
  } cases[] = {
      {"", "zh_TW", "Zh_tw", "列印", false},
      {"", "en_US", "English", "Print", false},
      {"", "zh_CN", "English", "Print", false},
      {"zh_tw", "en_US", "zh_tw", "列印", false},
      {"English", "zh_TW", "English", "Print", false},
      {"Klingon", "zh_TW", "English", "Print", true},
  };
  for (const auto& c : cases) {
    QString problem;
    const QString language =
        stroval::ChooseReportLanguage(QString::fromUtf8(c.requested), QLocale(QString::fromLatin1(c.locale)), &problem);
    EXPECT_EQ(language, QString::fromUtf8(c.language)) << c.requested << " " << c.locale;
    EXPECT_EQ(rpGet(102), QString::fromUtf8(c.print)) << c.requested << " " << c.locale;
    EXPECT_EQ(problem.contains(QLatin1String("Klingon")), c.problem) << problem.toStdString();
  }
}

TEST_F(ReportLanguage, ThePreviewPrintDialogAndProgressWindowSpeakTaiwaneseChinese) {
  stroval::ChooseReportLanguage(QString(), QLocale(QStringLiteral("zh_TW")), nullptr);

  TrpPreviewForm preview;
  const struct {
    QAction* button;
    const char* hint;
  } hints[] = {
      {preview.PrintB, "列印"},    {preview.OpenB, "開啟"},       {preview.SaveB, "儲存"},
      {preview.FindB, "尋找"},     {preview.ZoomPlusB, "放大"},   {preview.ZoomMinusB, "縮小"},
      {preview.FirstB, "第一頁"},  {preview.NextB, "下一頁"},     {preview.PdfB, "匯出成 PDF"},
      {preview.FullScreenBtn, "全螢幕"}, {preview.ThumbB, "縮圖"}, {preview.PageSettingsB, "版面設定"},
  };
  for (const auto& h : hints) EXPECT_EQ(h.button->toolTip(), QString::fromUtf8(h.hint));
  EXPECT_EQ(preview.ZoomCB->toolTip(), QStringLiteral("縮放"));
  EXPECT_EQ(preview.ZoomCB->itemText(TrpPreviewForm::kPageWidthItem), QStringLiteral("頁寬"));
  EXPECT_EQ(rpFormat(rpResources()->Get(QStringLiteral("clPageOf")), {1, 3}), QStringLiteral("第 1 頁，共 3 頁"));

  TrpReport report;
  TrpPrintDialog dialog(report, nullptr, dmNone);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("列印"));
  EXPECT_EQ(dialog.OkB->text(), QStringLiteral("確定"));
  EXPECT_EQ(dialog.CancelB->text(), QStringLiteral("取消"));

  TrpProgress progress;
  progress.SetMessage(rpFormat(rpResources()->Get(QStringLiteral("prRunning")), {2}));
  EXPECT_EQ(progress.CancelButton()->text(), QStringLiteral("取消"));
  EXPECT_EQ(progress.Message(), QStringLiteral("正在產生第 2 頁"));
}

}  // namespace
