#pragma once
// Reports for the engine's tests: a report whose expressions a test answers itself, a data set
// with rows in memory, and a fixture that builds pages and bands and runs the engine into the
// recording store.
#include <gtest/gtest.h>

#include <QHash>

#include <functional>
#include <memory>
#include <vector>

#include "band_engine_fake_store.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/user_data_set.h"
#include "report/engine/engine.h"
#include "report/engine/install_engine.h"
#include "report/memo/memo_view.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"

// A report whose expressions are answered by the test.
class EngineReport : public TrpReport {
 public:
  ScriptValue Calc(const QString& expression) override {
    if (Evaluator) return Evaluator(expression);
    return TrpReport::Calc(expression);
  }
  std::function<ScriptValue(const QString&)> Evaluator;
};

// Rows in memory; every row a map of field values.
class MemoryDataSet : public TrpDataSet {
 public:
  using Row = QHash<QString, ScriptValue>;
  explicit MemoryDataSet(std::vector<Row> rows = {}) : TrpDataSet(nullptr), Rows(std::move(rows)) {}
  bool Eof() override { return RecNo() < 0 || RecNo() >= static_cast<int>(Rows.size()); }
  ScriptValue GetValue(const QString& field) override {
    return Eof() ? ScriptValue() : Rows[RecNo()].value(field);
  }
  QString GetDisplayText(const QString& field) override { return GetValue(field).ToText(); }
  // The fields of the first row, in name order.
  QStringList GetFieldList() const override {
    QStringList fields = Rows.empty() ? QStringList() : QStringList(Rows.front().keys());
    fields.sort();
    return fields;
  }
  int FieldsCount() const override { return static_cast<int>(GetFieldList().size()); }
  std::vector<QHash<QString, ScriptValue>> Rows;
};

class BandEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallEngine();
    Report = std::make_unique<EngineReport>();
    auto store = std::make_unique<FakeStore>(*Report);
    Store = store.get();
    Report->SetPreviewPages(std::move(store));
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }

  TrpEngine& Engine() const { return static_cast<TrpEngine&>(*Report->Engine()); }

  // An A4 portrait page with 10 mm margins: 755.9 x 1046.9 units to print on.
  TrpReportPage* AddPage(Extended margins = 10) {
    auto* page = new TrpReportPage(Report.get());
    page->CreateUniqueName();
    page->SetLeftMargin(margins);
    page->SetRightMargin(margins);
    page->SetTopMargin(margins);
    page->SetBottomMargin(margins);
    return page;
  }
  Extended PrintableHeight(const TrpReportPage& page) const {
    return page.PrintableHeight() * rp01cm;
  }

  template <class Band>
  Band* AddBand(TrpComponent* page, Extended top, Extended height) {
    auto* band = new Band(page);
    band->CreateUniqueName();
    band->SetTop(top);
    band->SetHeight(height);
    return band;
  }

  TrpMemoView* AddMemo(TrpComponent* band, const QString& text, Extended top = 0,
                       Extended height = 20, Extended left = 0, Extended width = 200) {
    auto* memo = new TrpMemoView(band);
    memo->CreateUniqueName();
    memo->SetBounds(left, top, width, height);
    memo->SetText(text);
    return memo;
  }

  bool Run() { return Report->Engine()->Run(false); }

  // The records of page `index` whose object is named `name`.
  QList<FakeRecord> RecordsNamed(int index, const QString& name) const {
    QList<FakeRecord> found;
    for (const FakeRecord& record : Store->Pages.at(index).Records)
      if (record.Name == name) found << record;
    return found;
  }
  // Every record of every page, page by page, as "page:name".
  QStringList Sequence() const {
    QStringList out;
    for (int i = 0; i < Store->GetCount(); ++i)
      for (const FakeRecord& record : Store->Pages.at(i).Records)
        out << QStringLiteral("%1:%2").arg(i).arg(record.Name);
    return out;
  }

  std::unique_ptr<EngineReport> Report;
  FakeStore* Store = nullptr;
};
