#pragma once
// Shared set-up of the prepared-pages tests: the report classes registered, the serializer
// installed, an error box that records, a report with its own store, the worksheet definition,
// and the store's calls the band layout engine makes for the worksheet run.
#include <QBuffer>
#include <QFile>
#include <QStringList>

#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/memo/memo_view.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"
#include "report/store/preview_outline.h"
#include "report/store/preview_pages.h"
#include "report/store/xml_serializer.h"

inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

class RecordingBox : public TrpErrorBox {
 public:
  void ShowError(const QString& caption, const QString& text) override { Shown.append(caption + u'|' + text); }
  QStringList Shown;
};

class PreviewPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    rpSetErrorBox(&Box);
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    auto pages = std::make_unique<TrpPreviewPages>(*Report);
    Pages = pages.get();
    Report->SetPreviewPages(std::move(pages));
  }
  void TearDown() override {
    Report.reset();
    rpSetErrorBox(nullptr);
  }

  static TrpMemoView* NewMemo(TrpComponent* parent, const QString& name, Extended left, Extended top,
                              Extended width, Extended height, const QString& text) {
    auto* memo = new TrpMemoView(parent);
    if (!name.isEmpty()) memo->SetName(name);
    memo->SetBounds(left, top, width, height);
    memo->SetText(text);
    return memo;
  }

  // The worksheet template with its 32 cells and 36 copies, as the print command leaves it.
  TrpReportPage* BuildWorksheet() {
    auto* page = new TrpReportPage(Report.get());
    page->SetName(QStringLiteral("Page1"));
    page->SetTag(8765);
    page->SetPaperSize(9);
    const Extended margin = 5.000624999999999L;
    page->SetLeftMargin(margin), page->SetRightMargin(margin);
    page->SetTopMargin(margin), page->SetBottomMargin(margin);
    page->SetEndlessHeight(true);
    auto* band = new TrpPageHeader(page);
    band->SetName(QStringLiteral("PageBody"));
    band->SetTag(8765);
    band->SetBounds(0, 16, 755.9012755875001L, 1065);
    NewMemo(band, QStringLiteral("Memo2"), 5, 49, 95, 40, QStringLiteral("班別："));
    NewMemo(band, QStringLiteral("Memo3"), 135, 49, 95, 40, QStringLiteral("姓名："));
    NewMemo(band, QStringLiteral("Memo4"), 545, 49, 95, 40, QStringLiteral("日期："));
    NewMemo(band, QStringLiteral("Memo1"), 5, 9, 731, 40, QStringLiteral("練習　單"));
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 4; ++r) {
        TrpMemoView* cell = NewMemo(page, QString(), (c - 1) * 93, r * 90 + 10, 40, 40, QString(QChar(0x4E00 + c * 4 + r)));
        cell->CreateUniqueName();
        cell->SetAutoWidth(true);
        cell->SetVAlign(vaCenter);
        cell->SetTag(13777);
      }
    QList<TrpMemoView*> sources;
    for (TrpComponent* object : Report->Components())
      if (auto* memo = dynamic_cast<TrpMemoView*>(object)) sources.append(memo);
    for (TrpMemoView* source : sources) {
      auto* copy = new TrpMemoView(page);
      copy->CreateUniqueName();
      copy->Assign(*source);
      copy->SetBounds(source->Left(), source->Top() + 532, source->Width(), source->Height());
      copy->SetTag(13777);
    }
    return page;
  }

  // What the band layout engine asks of the store for the worksheet: the source page, one page,
  // the page header at the top, the loose objects through a null band, the page grown to its
  // content.
  void RunWorksheet(TrpReportPage& page) {
    Pages->Initialize();
    Pages->SetAddPageAction(apAdd);
    Pages->AddSourcePage(page);
    Pages->BeginPass();
    Pages->AddPage(page);
    auto* band = dynamic_cast<TrpBand*>(page.FindObject(QStringLiteral("PageBody")));
    const Extended top = band->Top();
    band->SetTop(0);
    Pages->AddObject(*band);
    band->SetTop(top);
    TrpNullBand nullBand(nullptr);
    nullBand.SetBounds(0, 0, 755.9012755875001L, 1065);
    QList<TrpComponent*> loose;
    for (TrpComponent* object : page.Objects())
      if (!object->InheritsFrom("TrpBand")) loose.append(object);
    for (TrpComponent* object : loose) object->SetParent(&nullBand);
    Pages->AddObject(nullBand);
    for (TrpComponent* object : loose) object->SetParent(&page);
    const Extended margins = 2 * 5.000625L * rp01cm;
    Pages->UpdatePageDimensions(page, 755.9012755875001L + margins, 1065 + margins);
    Pages->Finish();
  }

  static QByteArray Save(TrpPreviewPages& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pages.SaveToStream(buffer);
    return buffer.data();
  }

  // Writes `bytes` into the file `name`; false when it cannot be written.
  static bool WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  static void Load(TrpPreviewPages& pages, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pages.LoadFromStream(buffer);
  }

  // A source page "Page1" with a page-header band "Band1" holding "Memo1"; n pages written, the
  // band on each with a text object whose text names the page.
  TrpReportPage* BuildSimple() {
    auto* page = new TrpReportPage(Report.get());
    page->SetName(QStringLiteral("Page1"));
    page->SetPaperSize(9);
    auto* band = new TrpPageHeader(page);
    band->SetName(QStringLiteral("Band1"));
    band->SetBounds(0, 0, 700, 100);
    NewMemo(band, QStringLiteral("Memo1"), 10, 10, 200, 30, QStringLiteral("text"));
    return page;
  }

  void WritePages(TrpReportPage& page, int count, int recordsPerPage = 1) {
    auto* band = dynamic_cast<TrpBand*>(page.FindObject(QStringLiteral("Band1")));
    auto* memo = dynamic_cast<TrpMemoView*>(page.FindObject(QStringLiteral("Memo1")));
    for (int i = 0; i < count; ++i) {
      Pages->AddPage(page);
      for (int r = 0; r < recordsPerPage; ++r) {
        band->SetTop(r * 100);
        memo->SetText(QStringLiteral("page %1 row %2").arg(i).arg(r));
        Pages->AddObject(*band);
      }
    }
    band->SetTop(0);
  }

  void StartSimple(TrpReportPage& page) {
    Pages->Initialize();
    Pages->SetAddPageAction(apAdd);
    Pages->AddSourcePage(page);
    Pages->BeginPass();
  }

  // The records of page `index` as text (loads the page if it was unloaded).
  QString PageText(int index) const {
    const TrpXMLItem* item = Pages->PageItem(index);
    QString text = item->Name() + u'|' + item->Text();
    std::function<void(const TrpXMLItem&)> add = [&](const TrpXMLItem& parent) {
      for (int i = 0; i < parent.Count(); ++i) {
        text += u'<' + parent.Items(i)->Name() + u' ' + parent.Items(i)->Text();
        add(*parent.Items(i));
        text += u'>';
      }
    };
    add(*item);
    return text;
  }

  int UnloadedPages() const {
    const TrpXMLItem* pages = Pages->XMLDocument().Root()->Items(0);
    int count = 0;
    for (int i = 0; i < pages->Count(); ++i) count += pages->Items(i)->Loaded() ? 0 : 1;
    return count;
  }

  RecordingBox Box;
  std::unique_ptr<TrpReport> Report;
  TrpPreviewPages* Pages = nullptr;
};
