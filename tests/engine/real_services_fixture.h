#pragma once
// A report run with the real services: the engine, the report's script binding and the
// prepared-pages store, with a data set "Rows" the tests fill; builders for pages, named bands
// and text objects, since these tests read objects back from the store by name; and readers of
// the prepared pages as the store rebuilds them.
#include "band_engine_fixture.h"
#include "report/binding/report_script.h"
#include "report/component/report_classes.h"
#include "report/datasets/report_data_sets.h"
#include "report/objects/custom_outline.h"
#include "report/services/install_report_services.h"
#include "report/store/install_preview_pages.h"
#include "report/store/preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script_engine/compiler/compiler.h"

// A band as it came back from the store: where it was placed and the texts of its text objects.
struct PreparedBand {
  QString Name;
  Extended Left = 0, Top = 0, Height = 0;
  QStringList Texts;  // each text object's lines joined by "\n", in child order
  Extended Bottom() const { return Top + Height; }
};

class EngineWithRealServices : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    Rows.SetUserName(QStringLiteral("Rows"));
    Report->DataSets().Add()->SetDataSetName(QStringLiteral("Rows"));
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }

  // The height to print on of an A4 page with 10 mm margins (NewPage's default).
  static constexpr Extended kPrintableHeight = (297 - 2 * 10) * rp01cm;
  static constexpr Extended kPrintableWidth = (210 - 2 * 10) * rp01cm;

  // An A4 portrait page with 10 mm margins: 718.1 x 1046.9 units to print on.
  TrpReportPage* NewPage(const QString& name, Extended margins = 10) {
    auto* page = new TrpReportPage(Report.get());
    page->SetName(name);
    page->SetLeftMargin(margins);
    page->SetRightMargin(margins);
    page->SetTopMargin(margins);
    page->SetBottomMargin(margins);
    return page;
  }
  template <class Band>
  Band* AddBand(TrpComponent* page, const QString& name, Extended top, Extended height) {
    auto* band = new Band(page);
    band->SetName(name);
    band->SetTop(top);
    band->SetHeight(height);
    return band;
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text,
                       Extended width) {
    auto* memo = new TrpMemoView(band);
    memo->SetName(name);
    memo->SetBounds(0, 0, width, 20);
    memo->SetText(text);
    return memo;
  }

  // Rows of the data set "Rows": `counts[0]` rows named "A", then `counts[1]` named "B", and so
  // on, their ids r0, r1, ... running through them all.
  void AddNamedRows(std::initializer_list<int> counts) {
    int id = 0;
    char name = 'A';
    for (int count : counts) {
      for (int i = 0; i < count; ++i, ++id)
        Rows.Rows.push_back(MemoryDataSet::Row{{"name", QString(QLatin1Char(name))},
                                               {"id", QStringLiteral("r%1").arg(id)}});
      ++name;
    }
  }
  // On `page`, which gets an outline entry of its own for every prepared page: a group header
  // "Group" 50 high at `top` on the rows' names and the data band "Rows" of 100 on the data set
  // below it, each group and row with its outline entry (the name, the id).
  TrpGroupHeader* AddOutlinedGroupOfRows(TrpReportPage* page, Extended top) {
    page->SetOutlineText(QStringLiteral("Page"));
    auto* group = AddBand<TrpGroupHeader>(page, "Group", top, 50);
    group->SetCondition(QStringLiteral("Rows.\"name\""));
    group->SetOutlineText(QStringLiteral("Rows.\"name\""));
    auto* rows = AddBand<TrpMasterData>(page, "Rows", top + 100, 100);
    rows->SetDataSet(&Rows);
    rows->SetOutlineText(QStringLiteral("Rows.\"id\""));
    return group;
  }
  // The outline entries "r<i>/<page>" of rows `from` to `to` (not included) on prepared page
  // `page`, as OutlineTree writes them.
  static QString RowEntries(int from, int to, int page) {
    QStringList entries;
    for (int i = from; i < to; ++i) entries << QStringLiteral("r%1/%2").arg(i).arg(page);
    return entries.join(QLatin1Char(' '));
  }

  // An object of the definition. Each preparation reads the definition back with new objects,
  // so a test that changes the definition between preparations looks it up again.
  template <class Object>
  Object* Designed(const QString& name) const {
    return dynamic_cast<Object*>(Report->FindObject(name));
  }

  // Prepares the report; a failure shows the report's errors.
  ::testing::AssertionResult Prepare() {
    if (Report->PrepareReport()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Report->Errors().join(QLatin1Char('\n')).toStdString();
  }
  int PageCount() const { return Report->PreviewPages()->GetCount(); }

  // The bands of prepared page `index` in the order they were recorded.
  QList<PreparedBand> Bands(int index) const {
    QList<PreparedBand> bands;
    TrpReportPage* page = Report->PreviewPages()->GetPage(index);
    if (!page) return bands;
    for (TrpComponent* child : page->Objects()) {
      auto* band = dynamic_cast<TrpBand*>(child);
      if (!band) continue;
      PreparedBand prepared{band->Name(), band->Left(), band->Top(), band->Height(), {}};
      for (TrpComponent* object : band->Objects())
        if (auto* memo = dynamic_cast<TrpMemoView*>(object))
          prepared.Texts << memo->Memo().join(QLatin1Char('\n'));
      bands << prepared;
    }
    return bands;
  }
  QList<PreparedBand> BandsNamed(int index, const QString& name) const {
    QList<PreparedBand> found;
    for (const PreparedBand& band : Bands(index))
      if (band.Name == name) found << band;
    return found;
  }
  // The tops of `bands`, in their order.
  static QList<double> Tops(const QList<PreparedBand>& bands) {
    QList<double> tops;
    for (const PreparedBand& band : bands) tops << static_cast<double>(band.Top);
    return tops;
  }
  // The names of the bands of page `index`, in the order they were recorded.
  QStringList BandNames(int index) const {
    QStringList names;
    for (const PreparedBand& band : Bands(index)) names << band.Name;
    return names;
  }
  // Whether every band of every prepared page ends above the end of the printable area.
  ::testing::AssertionResult EveryBandInsideItsPage() const {
    for (int i = 0; i < PageCount(); ++i)
      for (const PreparedBand& band : Bands(i))
        if (band.Bottom() > kPrintableHeight + 0.0001)
          return ::testing::AssertionFailure() << band.Name.toStdString() << " on page " << i
                                               << " ends at " << static_cast<double>(band.Bottom());
    return ::testing::AssertionSuccess();
  }
  // The texts of the text objects named `name` on prepared page `index`, in order.
  QStringList Texts(int index, const QString& name) const {
    QStringList texts;
    TrpReportPage* page = Report->PreviewPages()->GetPage(index);
    if (!page) return texts;
    for (TrpComponent* object : page->AllObjects())
      if (object->Name() == name) texts << static_cast<TrpMemoView*>(object)->Memo().join('\n');
    return texts;
  }

  struct OutlineEntry {
    QString Text;
    int Page = 0;
    int Top = 0;
  };
  // The top level of the prepared report's outline.
  QList<OutlineEntry> OutlineEntries() const {
    QList<OutlineEntry> entries;
    TrpCustomOutline* outline = Report->PreviewPages()->Outline();
    outline->LevelRoot();
    for (int i = 0; i < outline->GetCount(); ++i) {
      OutlineEntry entry;
      outline->GetItem(i, entry.Text, entry.Page, entry.Top);
      entries << entry;
    }
    return entries;
  }

  // The whole outline as "text/page", each entry followed by its entries in brackets.
  QString OutlineTree() const {
    TrpCustomOutline* outline = Report->PreviewPages()->Outline();
    outline->LevelRoot();
    return OutlineLevel(*outline);
  }

  MemoryDataSet Rows;
  std::unique_ptr<TrpReport> Report;

 private:
  static QString OutlineLevel(TrpCustomOutline& outline) {
    QStringList entries;
    for (int i = 0; i < outline.GetCount(); ++i) {
      OutlineEntry entry;
      outline.GetItem(i, entry.Text, entry.Page, entry.Top);
      outline.LevelDown(i);
      const QString below = OutlineLevel(outline);
      outline.LevelUp();
      entries << entry.Text + QLatin1Char('/') + QString::number(entry.Page) +
                     (below.isEmpty() ? QString() : QLatin1Char('[') + below + QLatin1Char(']'));
    }
    return entries.join(QLatin1Char(' '));
  }
};
