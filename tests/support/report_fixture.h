#pragma once
// Shared set-up of the report component tests: the report classes registered, the serializer
// installed, an error box that records instead of blocking, and a small report definition.
#include <QBuffer>
#include <QStringList>

#include <ostream>

#include <gtest/gtest.h>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/memo/memo_view.h"
#include "report/options/common_error_handler.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"
#include "report/store/xml_serializer.h"
#include "report/views/line_view.h"
#include "report/views/shape_view.h"

// Lets failure messages carry Qt texts: `EXPECT_TRUE(...) << text`.
inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

class RecordingErrorBox : public TrpErrorBox {
 public:
  void ShowError(const QString& caption, const QString& text) override { Shown.append(caption + u'|' + text); }
  QStringList Shown;
};

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    rpSetErrorBox(&Box);
  }
  void TearDown() override { rpSetErrorBox(nullptr); }

  // A page with a page-header band holding a text object, a shape and a line.
  void BuildSample(TrpReport& report) {
    auto* page = new TrpReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    auto* band = new TrpPageHeader(page);
    band->SetName(QStringLiteral("PageHeader1"));
    band->SetHeight(120);
    auto* memo = new TrpMemoView(band);
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetBounds(10, 20, 200, 30.5L);
    memo->SetText(QStringLiteral("練習 & <test>\r\nsecond line"));
    memo->SetHAlign(haCenter);
    auto* shape = new TrpShapeView(band);
    shape->SetName(QStringLiteral("Shape1"));
    shape->SetBounds(5, 60, 40, 40);
    auto* line = new TrpLineView(page);
    line->SetName(QStringLiteral("Line1"));
    line->SetBounds(0, 300, 500, 0);
  }

  static QByteArray Save(const TrpReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    report.SaveToStream(buffer);
    return buffer.data();
  }

  static void Load(TrpReport& report, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    report.LoadFromStream(buffer);
  }

  RecordingErrorBox Box;
};
