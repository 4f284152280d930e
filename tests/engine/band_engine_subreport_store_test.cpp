// Subreports end to end: the engine with the report's real script binding and prepared-pages
// store, read back page by page.
#include "real_services_fixture.h"
#include "report/pages/subreport.h"

namespace {

class SubreportWithStore : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    using Row = MemoryDataSet::Row;
    for (int i = 1; i <= 3; ++i) Rows.Rows.push_back(Row{{"amount", i * 10}});
    Page = NewPage(QStringLiteral("Page1"));
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text) {
    return EngineWithRealServices::AddMemo(band, name, text, 200);
  }
  TrpSubreport* AddSubreport(TrpBand* band, TrpReportPage* shown, Extended left, Extended top) {
    auto* subreport = new TrpSubreport(band);
    subreport->CreateUniqueName();
    subreport->SetBounds(left, top, 200, 20);
    subreport->SetPage(shown);
    return subreport;
  }
  // The texts and absolute tops of the objects named `name` on prepared page `index`.
  QList<QPair<QString, double>> Objects(int index, const QString& name) {
    QList<QPair<QString, double>> found;
    TrpReportPage* page = Report->PreviewPages()->GetPage(index);
    for (TrpComponent* object : page->AllObjects()) {
      if (object->Name() != name) continue;
      const double top = static_cast<double>(object->Parent()->Top() + object->Top());
      found << qMakePair(static_cast<TrpMemoView*>(object)->Memo().join('\n'), top);
    }
    return found;
  }

  TrpReportPage* Page = nullptr;
};

TEST_F(SubreportWithStore, SideBySideSubreportsOverTwoPagesComeBackFromTheStore) {
  auto* header = AddBand<TrpPageHeader>(Page, "PageHeader1", 0, 50);
  AddMemo(header, "Title", QStringLiteral("Listing"));
  auto* master = AddBand<TrpMasterData>(Page, "MasterData1", 100, 20);
  master->SetRowCount(1);
  TrpReportPage* left = NewPage(QStringLiteral("Page2"));
  TrpReportPage* right = NewPage(QStringLiteral("Page3"));
  AddSubreport(master, left, 0, 0);
  AddSubreport(master, right, 300, 0);
  auto* leftRows = AddBand<TrpMasterData>(left, "LeftRows", 0, 100);
  leftRows->SetRowCount(12);
  AddMemo(leftRows, "LeftText", QStringLiteral("L[Line]"));
  auto* rightRows = AddBand<TrpMasterData>(right, "RightRows", 0, 100);
  rightRows->SetDataSet(&Rows);
  AddMemo(rightRows, "RightText", QStringLiteral("[Rows.\"amount\"]"));
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(QLatin1Char(10)).toStdString();
  ASSERT_EQ(Report->PreviewPages()->GetCount(), 2);
  // 50 + 9 x 100 rows fit the first page (1046.9 high), three more go to the second.
  EXPECT_EQ(Objects(0, "LeftText").size(), 9);
  using Found = QList<QPair<QString, double>>;
  EXPECT_EQ(Objects(1, "LeftText"), (Found{{"L10", 50}, {"L11", 150}, {"L12", 250}}));
  EXPECT_EQ(Objects(0, "RightText"), (Found{{"10", 50}, {"20", 150}, {"30", 250}}));
  EXPECT_EQ(Objects(1, "Title").size(), 1);
}

TEST_F(SubreportWithStore, PrintOnParentRowsComeBackInsideTheParentBand) {
  auto* master = AddBand<TrpMasterData>(Page, "MasterData1", 0, 20);
  master->SetRowCount(1);
  master->SetStretched(true);
  TrpReportPage* shown = NewPage(QStringLiteral("Page2"));
  AddSubreport(master, shown, 0, 10)->SetPrintOnParent(true);
  auto* rows = AddBand<TrpMasterData>(shown, "Rows1", 0, 30);
  rows->SetDataSet(&Rows);
  AddMemo(rows, "Amount", QStringLiteral("[Rows.\"amount\"]"));
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(QLatin1Char(10)).toStdString();
  ASSERT_EQ(Report->PreviewPages()->GetCount(), 1);
  TrpReportPage* page = Report->PreviewPages()->GetPage(0);
  QStringList texts;
  for (TrpComponent* object : page->AllObjects()) {
    auto* memo = dynamic_cast<TrpMemoView*>(object);
    if (memo && memo->Parent()->Name() == "MasterData1") texts << memo->Memo().join('\n');
  }
  EXPECT_EQ(texts, (QStringList{"10", "20", "30"}));
  // The preparation may have reloaded the definition: the band is looked up again.
  auto* band = Report->FindObject(QStringLiteral("MasterData1"));
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->Objects().size(), 1);
}

}  // namespace
