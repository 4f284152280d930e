// `stroval FILE`: a prepared report or a definition shown straight in the preview window; a
// missing or damaged file is told (message box and standard error) and gives exit code 1.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/open_report_file.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/pages/report_page.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/services/install_report_services.h"

namespace {

class RecordingBox : public TrpErrorBox {
 public:
  void ShowError(const QString&, const QString& text) override { Texts << text; }
  QStringList Texts;
};

class OpenReportFile : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
  }
  void TearDown() override { rpReportServices() = TrpReportServices{}; }
  QString PathOf(const QString& name) const { return Dir.filePath(name); }
  // A one-page definition with one text, saved as `name`; prepared too as `name`.rpp.
  QString SaveReport(const QString& name) {
    TrpReport report;
    auto* page = new TrpReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    auto* memo = new TrpMemoView(page);
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetBounds(10, 10, 200, 40);
    memo->SetText(QStringLiteral("Hello"));
    report.SaveToFile(PathOf(name));
    report.PrepareReport();
    report.PreviewPages()->SaveToFile(PathOf(name + QStringLiteral(".rpp")));
    return PathOf(name);
  }
  // Runs ShowReportFile; once a preview window shows, notes its page count and closes it.
  int Show(const QString& file, int& pagesSeen) {
    pagesSeen = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<TrpPreviewForm*>(widget);
        if (!form || !form->isVisible() || !form->PreviewControl()->PreviewPages()) continue;
        const int count = form->PreviewControl()->PreviewPages()->GetCount();
        if (count == 0) continue;
        pagesSeen = count;
        form->close();
      }
    });
    poll.start(50);
    return stroval::ShowReportFile(file, &Box);
  }

  QTemporaryDir Dir;
  RecordingBox Box;
};

TEST_F(OpenReportFile, ShowsADefinitionOrPreparedPagesAndTellsWhatCannotBeOpened) {
  const QString definition = SaveReport(QStringLiteral("hello.xml"));
  int pages = 0;
  EXPECT_EQ(Show(definition, pages), 0);
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(Show(definition + QStringLiteral(".rpp"), pages), 0);
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(Box.Texts.isEmpty()) << Box.Texts.join(u'\n').toStdString();

  QFile damaged(PathOf(QStringLiteral("damaged.rpp")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("<?xml version=\"1.0\"?><preparedreport><previewpages><page0 ");
  damaged.close();
  for (const QString& bad : {PathOf(QStringLiteral("missing.xml")), damaged.fileName()}) {
    Box.Texts.clear();
    EXPECT_EQ(Show(bad, pages), 1) << bad.toStdString();
    EXPECT_EQ(pages, -1);
    ASSERT_EQ(Box.Texts.size(), 1);
    EXPECT_TRUE(Box.Texts[0].contains(bad)) << Box.Texts[0].toStdString();
  }
}

}  // namespace
