#pragma once
// A report shown in the real preview window over the real store and engine, with printers of a
// recording back end (the default "Laser" lists A4, Letter, A3 and A5) and message boxes and
// dialogs answered by the test; Build makes a report of A4 pages that hold given texts.
#include <QImage>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "preview_fixture.h"
#include "preview_snapshot.h"
#include "printer_fixture.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/pages/report_page.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview_form.h"
#include "report/printer/printers.h"
#include "report/services/install_report_services.h"

class PreviewWindowTest : public PrinterFixture {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
    rpSetPreviewDialogs(&Dialogs);
    Laser = &Backend->AddPrinter(QStringLiteral("Laser"), QStringLiteral("usb://laser"));
    Laser->Papers.append({11, QStringLiteral("A5")});
    Backend->SetDefaultPrinter(QStringLiteral("Laser"));
    rpSetPrinterBackend(Backend);
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
  }
  void TearDown() override {
    Report.reset();
    rpSetPreviewDialogs(nullptr);
    rpSetPrinterBackend(nullptr);
    rpReportServices() = TrpReportServices{};
  }

  // One page per entry; the texts of an entry stand in one row of 150-unit text objects.
  void Build(const std::vector<QStringList>& pages) { Build(*Report, pages); }
  static void Build(TrpReport& report, const std::vector<QStringList>& pages) {
    for (const QStringList& texts : pages) {
      auto* page = new TrpReportPage(&report);
      page->CreateUniqueName();
      for (int i = 0; i < texts.size(); ++i) {
        auto* memo = new TrpMemoView(page);
        memo->CreateUniqueName();
        memo->SetBounds(40 + 150 * i, 300, 150, 80);
        memo->SetText(texts[i]);
      }
    }
  }

  // Shows the report in the preview window and hands the window to `act` once its pages are laid
  // out; the window closes afterwards.
  void InThePreview(int pages, const std::function<void(TrpPreviewForm&)>& act) {
    rpDrivePreview([this] { Report->ShowReport(); }, pages, act);
  }

  // Answers the next modal dialog of class Dialog with `answer` once it shows.
  template <class Dialog>
  void AnswerNext(const std::function<void(Dialog&)>& answer) {
    FPoll = std::make_unique<QTimer>();
    QObject::connect(FPoll.get(), &QTimer::timeout, [this, answer] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      FPoll->stop();
      answer(*dialog);
    });
    FPoll->start(20);
  }

  // Lets queued re-layouts and paints happen.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  // The share of dark pixels in `r` of `image`: the found-text mark inverts a white page to black.
  static double DarkShare(const QImage& image, const QRect& r) {
    const QRect in = r & image.rect();
    if (in.isEmpty()) return 0;
    int dark = 0;
    for (int y = in.top(); y <= in.bottom(); ++y)
      for (int x = in.left(); x <= in.right(); ++x) dark += qGray(image.pixel(x, y)) < 96;
    return double(dark) / (in.width() * in.height());
  }

  std::unique_ptr<TrpReport> Report;
  RecordingPreviewDialogs Dialogs;
  TrpRecordingPrinter* Laser = nullptr;

 private:
  std::unique_ptr<QTimer> FPoll;
};
