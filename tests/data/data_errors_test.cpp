// What goes wrong with real data ends the preparation with one message that names the data set,
// the file or query and the place; nothing is reported as success.
#include "data_report_fixture.h"

namespace {

class DataErrors : public DataReportTest {};

TEST_F(DataErrors, EachFailureNamesItsDataSetAndPlace) {
  struct Case {
    const char* What;
    std::function<void()> Define;
    QStringList Expected;  // parts of the message
  } const cases[] = {
      {"missing file", [&] { AddCSV("M", PathOf("none.csv")); }, {"M: ", "none.csv"}},
      {"too many cells", [&] { AddCSV("M", WriteFile("m.csv", "a,b\n1,2\n1,2,3\n")); },
       {"M: ", "m.csv", "row 2 (line 3) has 3 cells where the fields are 2"}},
      {"too few cells", [&] { AddCSV("M", WriteFile("m.csv", "a,b\n1\n")); }, {"row 1 (line 2) has 1 cells"}},
      {"unclosed quote", [&] { AddCSV("M", WriteFile("m.csv", "a,b\n1,\"open\n2,3\n")); },
       {"line 2: a quoted field is not closed"}},
      {"not a number", [&] { AddCSV("M", WriteFile("m.csv", "a,b\n1,x\n"), {"b:float"}); },
       {"row 1, field \"b\": \"x\" is not a float"}},
      {"unknown field", [&] {
         AddCSV("M", WriteFile("m.csv", "a,b\n1,2\n"));
         AddMemo(Page->FindObject("Rows"), "Cell", "[M.\"c\"]");
       },
       {"M: no field \"c\" (its fields: a, b)"}},
      {"unknown driver", [&] { AddQuery("Q", AddConnection("QNOSUCH", "x"), "SELECT 1"); },
       {"Db: the database driver \"QNOSUCH\" is not installed"}},
      {"missing database file", [&] { AddQuery("Q", AddConnection("QSQLITE", PathOf("none.db")), "SELECT 1"); },
       {"Db: the database file", "none.db\" does not exist"}},
      {"refused connection", [&] {
         TrpDBConnection* server = AddConnection("QPSQL", "school");
         server->SetHost(PathOf("no-server-here"));
         server->SetPort(5);
         AddQuery("Q", server, "SELECT 1");
       },
       {"Db: cannot open the database", "no-server-here:5/school"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Report->Clear();
    Page = new TrpReportPage(Report.get());
    Page->SetName("Page1");
    AddBand<TrpMasterData>("Rows", 0);
    c.Define();
    static_cast<TrpDataBand*>(Page->FindObject("Rows"))->SetDataSetName(Report->DataSets().Items(0)->DataSetName());
    EXPECT_FALSE(Report->PrepareReport());
    for (const QString& part : c.Expected) EXPECT_NE(Errors().find(part.toStdString()), std::string::npos) << Errors();
  }
  // Opening never created the database that was not there.
  EXPECT_FALSE(QFile::exists(PathOf("none.db")));
}

}  // namespace
