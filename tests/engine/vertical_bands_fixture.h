#pragma once
// Scenario tests of vertical bands: a page with builders for horizontal and vertical bands and
// text objects, and readers of the objects of prepared pages with their places.
#include "real_services_fixture.h"

// An object read back from a prepared page: its text and its place on the printable area.
struct Placed {
  QString Text;
  double Left = 0, Top = 0;
  bool operator==(const Placed&) const = default;
};

inline void PrintTo(const Placed& placed, std::ostream* out) {
  *out << '"' << placed.Text.toStdString() << "\" at (" << placed.Left << ", " << placed.Top << ')';
}

class VerticalBands : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }

  template <class Band>
  Band* AddBand(const QString& name, Extended top, Extended height) {
    return EngineWithRealServices::AddBand<Band>(Page, name, top, height);
  }
  // A vertical band at `left`, `width` wide.
  template <class Band>
  Band* AddVertical(const QString& name, Extended left, Extended width) {
    auto* band = AddBand<Band>(name, 0, 0);
    band->SetVertical(true);
    band->SetLeft(left);
    band->SetWidth(width);
    return band;
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text,
                       Extended left, Extended width) {
    TrpMemoView* memo = EngineWithRealServices::AddMemo(band, name, text, width);
    memo->SetLeft(left);
    return memo;
  }

  // The objects named `name` on prepared page `index`, in recording order.
  QList<Placed> Objects(int index, const QString& name) {
    QList<Placed> found;
    TrpReportPage* page = Report->PreviewPages()->GetPage(index);
    for (TrpComponent* object : page->AllObjects()) {
      if (object->Name() != name) continue;
      const TrpComponent* band = object->Parent();
      found << Placed{static_cast<TrpMemoView*>(object)->Memo().join('\n'),
                      static_cast<double>(band->Left() + object->Left()),
                      static_cast<double>(band->Top() + object->Top())};
    }
    return found;
  }

  // Two master rows ("A", "B"), 30 high, crossed by a vertical data band 100 wide with
  // `columns` rows; each cell shows the master row's name and the vertical row number.
  void RowsAcrossColumns(int columns) {
    using Row = MemoryDataSet::Row;
    Rows.Rows = {Row{{"name", "A"}, {"amount", 10}}, Row{{"name", "B"}, {"amount", 20}}};
    auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
    rows->SetDataSet(&Rows);
    auto* columnsBand = AddVertical<TrpMasterData>("ColBand", 200, 100);
    columnsBand->SetRowCount(columns);
    AddMemo(rows, "Cell", QStringLiteral("[Rows.\"name\"][Line]"), 210, 80);
  }

  TrpReportPage* Page = nullptr;
  MemoryDataSet Columns;  // freed after the report (TearDown)
};
