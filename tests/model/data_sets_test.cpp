// Data sets as a report definition sees them: the record range, names and user names, the name
// lookup through the global list or the report's own list, the report's lookups, and bindings to
// data sets that are freed.
#include "report/datasets/custom_db_data_set.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/datasets/user_data_set.h"
#include "report/options/engine_options.h"
#include "report/pages/data_band.h"
#include "report_fixture.h"

namespace {

struct RangeCase {
  const char* What;
  TrpRangeEnd End;
  int Count;
  QList<int> Records;  // the record numbers a First/Next walk sees
  int RecordCount;
};

TEST(DataSetRange, WalksExactlyItsRange) {
  const RangeCase cases[] = {
      {"three counted", reCount, 3, {0, 1, 2}, 3},
      {"none counted", reCount, 0, {}, 0},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.What);
    TrpUserDataSet data(nullptr);
    data.SetRangeEnd(c.End);
    data.SetRangeEndCount(c.Count);
    QList<int> seen;
    for (data.First(); !data.Eof(); data.Next()) seen << data.RecNo();
    EXPECT_EQ(seen, c.Records);
    EXPECT_EQ(data.RecordCount(), c.RecordCount);
    if (c.Count > 0) {
      EXPECT_EQ(data.RecNo(), c.Count - 1);  // stays on the last record
    }
  }
  // rbFirst..reLast: the count is not known, and only the end check can end the walk.
  TrpUserDataSet open(nullptr);
  open.SetUserName(QStringLiteral("Open"));
  EXPECT_EQ(open.RecordCount(), 0);
  open.First();
  EXPECT_THROW(open.Eof(), TrpError);
  open.Callbacks.CheckEOF = [&](bool& eof) { eof = open.RecNo() >= 2; };
  int rows = 0;
  for (open.First(); !open.Eof(); open.Next()) ++rows;
  EXPECT_EQ(rows, 2);
}

TEST(DataSetNames, TheUserNameFollowsTheFirstNameOnly) {
  TrpUserDataSet data(nullptr);
  data.SetName(QStringLiteral("UserDataSet1"));
  EXPECT_EQ(data.UserName(), QStringLiteral("UserDataSet1"));
  data.SetName(QStringLiteral("Renamed"));
  EXPECT_EQ(data.UserName(), QStringLiteral("UserDataSet1"));
  EXPECT_THROW(data.SetUserName(QStringLiteral("   ")), TrpError);
  data.SetUserName(QStringLiteral(" Pupils "));
  EXPECT_EQ(data.UserName(), QStringLiteral(" Pupils "));
}

class DataSetLookup : public ReportTest {};

TEST_F(DataSetLookup, TwoReportsEachFindTheirOwnDataSetOfAName) {
  TrpReport first, second;
  auto* mine = new TrpUserDataSet(&first);
  auto* theirs = new TrpUserDataSet(&second);
  mine->SetUserName(QStringLiteral("Pupils"));
  theirs->SetUserName(QStringLiteral("Pupils"));
  auto* firstPage = new TrpReportPage(&first);
  auto* secondPage = new TrpReportPage(&second);
  firstPage->SetDataSetName(QStringLiteral("pupils"));
  secondPage->SetDataSetName(QStringLiteral("PUPILS"));
  EXPECT_EQ(firstPage->DataSet(), mine);
  EXPECT_EQ(secondPage->DataSet(), theirs);
}

TEST_F(DataSetLookup, WithoutTheGlobalListOnlyTheReportsListCounts) {
  TrpReport report;
  report.EngineOptions().SetUseGlobalDataSetList(false);
  TrpUserDataSet listed(nullptr), unlisted(nullptr);
  listed.SetUserName(QStringLiteral("Listed"));
  unlisted.SetUserName(QStringLiteral("Unlisted"));
  report.DataSets().Add(&listed);
  auto* page = new TrpReportPage(&report);
  page->SetDataSetName(QStringLiteral("Listed"));
  EXPECT_EQ(page->DataSet(), &listed);
  page->SetDataSetName(QStringLiteral("Unlisted"));
  EXPECT_EQ(page->DataSet(), nullptr);
  // The global list keeps what was found when a name finds nothing.
  report.EngineOptions().SetUseGlobalDataSetList(true);
  page->SetDataSet(&listed);
  page->SetDataSetName(QStringLiteral("Nowhere"));
  EXPECT_EQ(page->DataSet(), &listed);
  page->SetDataSetName(QString());
  EXPECT_EQ(page->DataSet(), nullptr);
}

TEST_F(DataSetLookup, TheReportsListAndItsLookups) {
  TrpReport report;
  TrpUserDataSet pupils(nullptr), marks(nullptr), other(nullptr);
  pupils.SetUserName(QStringLiteral("Pupils"));
  marks.SetUserName(QStringLiteral("Marks"));
  other.SetUserName(QStringLiteral("Other"));
  TrpReportDataSets& list = report.DataSets();
  list.Add(&pupils);
  list.Add()->SetDataSetName(QStringLiteral("marks"));
  EXPECT_EQ(list.Items(1)->DataSet(), &marks);
  EXPECT_EQ(list.Items(1)->DataSetName(), QStringLiteral("Marks"));
  EXPECT_EQ(list.Find(&marks), list.Items(1));
  EXPECT_EQ(list.Find(QStringLiteral("PUPILS")), list.Items(0));

  EXPECT_EQ(report.GetDataset(QStringLiteral("pupils")), &pupils);
  EXPECT_EQ(report.GetAlias(&marks), QStringLiteral("Marks"));
  EXPECT_EQ(report.GetAlias(&other), QStringLiteral("(dataset is not included in Report.DataSets)"));
  EXPECT_EQ(report.GetAlias(nullptr), QString());
  EXPECT_EQ(report.GetDataSetList(), (QStringList{"Pupils", "Marks"}));
  EXPECT_EQ(report.GetDataSetList(true), QStringList());  // user data sets left out

  struct FieldCase {
    const char* Name;
    TrpDataSet* DataSet;
    const char* Field;
  } const fields[] = {
      {"Pupils.\"Name\"", &pupils, "Name"},
      {"Marks.\"Maths.Term\"", &marks, "Maths.Term"},
      {"Other.\"Name\"", nullptr, "Name"},
      {"Pupils.Name", nullptr, ""},
  };
  for (const FieldCase& c : fields) {
    TrpDataSet* dataSet = &other;
    QString field = QStringLiteral("x");
    report.GetDatasetAndField(QString::fromUtf8(c.Name), dataSet, field);
    EXPECT_EQ(dataSet, c.DataSet) << c.Name;
    EXPECT_EQ(field, QString::fromUtf8(c.Field)) << c.Name;
  }

  list.Delete(QStringLiteral("pupils"));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(report.GetDataset(QStringLiteral("Pupils")), nullptr);
}

TEST_F(DataSetLookup, ADataSetAtTheAddressOfAFreedOneIsNotTakenForIt) {
  TrpReport report;
  auto* page = new TrpReportPage(&report);
  auto* first = new TrpUserDataSet(nullptr);
  first->SetUserName(QStringLiteral("First"));
  page->SetDataSet(first);
  const quint64 serial = first->Serial();
  EXPECT_TRUE(rpIsLiveDataSet(first, serial));
  EXPECT_EQ(page->DataSet(), first) << "asked again: the answer kept for it";
  delete first;
  EXPECT_FALSE(rpIsLiveDataSet(first, serial)) << "freed since it was found alive";
  auto* second = new TrpUserDataSet(nullptr);  // often at the same address
  EXPECT_NE(second->Serial(), serial);
  EXPECT_FALSE(rpIsLiveDataSet(second, serial));
  EXPECT_EQ(page->DataSet(), nullptr);
  delete second;
}

TEST_F(DataSetLookup, NamesReadFromAFileMeetTheirDataSetsAfterLoading) {
  TrpReport report;
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  auto* band = new TrpMasterData(page);
  band->SetName(QStringLiteral("MasterData1"));
  band->SetDataSetName(QStringLiteral("Pupils"));
  auto* pupils = new TrpUserDataSet(&report);
  pupils->SetName(QStringLiteral("Pupils"));
  pupils->SetRangeEnd(reCount);
  pupils->SetOnNext(QStringLiteral("PupilsNext"));
  report.DataSets().Add(pupils);
  report.SetDataSetName(QStringLiteral("Pupils"));

  TrpReport loaded;
  Load(loaded, Save(report));
  auto* data = dynamic_cast<TrpUserDataSet*>(loaded.FindObject(QStringLiteral("Pupils")));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Parent()->ClassName(), QStringLiteral("TrpDataPage"));
  EXPECT_EQ(data->OnNext(), QStringLiteral("PupilsNext"));
  EXPECT_EQ(data->RangeEnd(), reCount);
  EXPECT_EQ(static_cast<TrpDataBand*>(loaded.FindObject(QStringLiteral("MasterData1")))->DataSet(), data);
  EXPECT_EQ(loaded.DataSets().Items(0)->DataSet(), data);
  EXPECT_EQ(loaded.DataSet(), data);
}

}  // namespace

namespace {

// A database data set as a driver would make one: its fields come from the source.
class TableDataSet : public TrpCustomDBDataSet {
 public:
  explicit TableDataSet(const QStringList& fields) : TrpCustomDBDataSet(nullptr) { SetFields(fields); }
};

TEST(DBDataSet, FieldsAreSortedOnceAndAliasesTranslateBothWays) {
  TableDataSet table({"surname", "Given", "Surname", "age"});
  EXPECT_EQ(table.GetFieldList(), (QStringList{"age", "Given", "surname"}));
  EXPECT_EQ(table.FieldsCount(), 3);
  EXPECT_TRUE(table.HasField(QStringLiteral("AGE")));
  table.SetFieldAliases({"surname=Family name", "age=Years"});
  struct Case {
    const char* Field;
    const char* Alias;
  } const cases[] = {{"surname", "Family name"}, {"AGE", "Years"}, {"Given", "Given"}};
  for (const Case& c : cases) EXPECT_EQ(table.GetAlias(QString::fromUtf8(c.Field)), QString::fromUtf8(c.Alias)) << c.Field;
  EXPECT_EQ(table.ConvertAlias(QStringLiteral("Years")), QStringLiteral("age"));
  EXPECT_EQ(table.ConvertAlias(QStringLiteral("years")), QStringLiteral("years"));  // aliases match exactly
  EXPECT_EQ(table.ConvertAlias(QStringLiteral("Class")), QStringLiteral("Class"));
}

}  // namespace
