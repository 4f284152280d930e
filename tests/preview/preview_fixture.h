#pragma once
// A report whose store holds synthetic pages, and a helper to let queued work and painting run.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "fake_preview_pages.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/options/preview_options.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_workspace.h"

// Message boxes and file dialogs answered by the test.
class RecordingPreviewDialogs : public TrpPreviewDialogs {
 public:
  QString GetSaveFileName(QWidget*, const QStringList& filters, int& filterIndex) override {
    Filters = filters;
    filterIndex = 0;
    return SaveAnswer;
  }
  QString GetOpenFileName(QWidget*, const QStringList& filters) override {
    Filters = filters;
    return OpenAnswer;
  }
  void ShowMessage(QWidget*, const QString& text) override { Messages << text; }

  QStringList Filters;
  QStringList Messages;
  QString SaveAnswer;
  QString OpenAnswer;
};

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpSetPreviewDialogs(&Dialogs);
    auto pages = std::make_unique<FakePreviewPages>(Report, 0);
    Pages = pages.get();
    Report.SetPreviewPages(std::move(pages));
  }
  void TearDown() override { rpSetPreviewDialogs(nullptr); }

  // Lets resizes, queued re-layouts and paints happen.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  // A shown preview control of `size` over `count` pages.
  std::unique_ptr<TrpPreview> Show(int count, QSize size = {1000, 700}) {
    Pages->Sizes().assign(static_cast<size_t>(count), QSizeF(FakePreviewPages::kA4Width, FakePreviewPages::kA4Height));
    auto preview = std::make_unique<TrpPreview>();
    preview->resize(size);
    preview->show();
    Settle();
    preview->Init(&Report, Pages);
    Settle();
    return preview;
  }

  TrpReport Report;
  FakePreviewPages* Pages = nullptr;
  RecordingPreviewDialogs Dialogs;
};
