// Reports over SQL databases: a SQLite file and a PostgreSQL server of the tests' own, each
// running the same reports: groups (which step back a row), a double pass, master/detail through
// a parameter, Null values, dates and a picture read from a large-object column.
#include <QBuffer>
#include <QImage>

#include "data_report_fixture.h"
#include "private_postgres_server.h"
#include "report/views/picture_view.h"
#include "script_engine/interpreter/day_number.h"

namespace {

enum class Database { SQLite, PostgreSQL };

// One server for a test suite, started at its first use and stopped when the suite ends (the
// suite's TearDownTestSuite, while the program still runs normally).
std::unique_ptr<PrivatePostgresServer>& serverSlot() {
  static std::unique_ptr<PrivatePostgresServer> server;
  return server;
}

PrivatePostgresServer* postgres(QString& problem) {
  static QString startError;
  problem = PrivatePostgresServer::Unavailable();
  if (!problem.isEmpty()) return nullptr;
  if (!serverSlot() && startError.isEmpty()) {
    serverSlot() = std::make_unique<PrivatePostgresServer>();
    if (!serverSlot()->Start()) startError = serverSlot()->Error();
  }
  problem = startError;
  return startError.isEmpty() ? serverSlot().get() : nullptr;
}

QByteArray pngOf(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

class SQLReports : public DataReportTest, public ::testing::WithParamInterface<Database> {
 protected:
  static void TearDownTestSuite() { serverSlot().reset(); }
  void SetUp() override {
    DataReportTest::SetUp();
    const bool pg = GetParam() == Database::PostgreSQL;
    const QStringList schema = {
        pg ? "CREATE TABLE pupils (id INTEGER, name TEXT, class TEXT, mark INTEGER, born DATE, photo BYTEA)"
           : "CREATE TABLE pupils (id INTEGER, name TEXT, class TEXT, mark INTEGER, born TEXT, photo BLOB)",
        "INSERT INTO pupils (id, name, class, mark, born) VALUES (1, 'Ann', '3A', 80, '2017-03-14'), "
        "(2, 'Bo', '3A', 90, NULL), (3, 'Cy', '3B', NULL, '2016-12-30'), (4, 'Di', '3B', 70, '2017-01-02'), "
        "(5, 'Ed', '3C', 60, '2017-05-05')",
        "CREATE TABLE books (pupil INTEGER, title TEXT)",
        "INSERT INTO books VALUES (1, 'Tian'), (1, 'Mi'), (3, 'Jiu'), (5, 'Hui'), (5, 'Zi'), (5, 'Ge')",
    };
    if (pg) {
      QString problem;
      PrivatePostgresServer* server = postgres(problem);
      if (!server) {
        if (PrivatePostgresServer::Unavailable().isEmpty()) FAIL() << problem.toStdString();
        GTEST_SKIP() << problem.toStdString();
      }
      const QString database = QStringLiteral("school_%1").arg(++DatabaseNumber());
      RunOnServer(*server, QStringLiteral("postgres"), {QStringLiteral("CREATE DATABASE ") + database});
      RunOnServer(*server, database, schema);
      Connection = AddConnection(QStringLiteral("QPSQL"), database);
      Connection->SetHost(server->Host());
      Connection->SetPort(server->Port());
      Connection->SetUser(PrivatePostgresServer::User());
    } else {
      Connection = AddConnection(QStringLiteral("QSQLITE"), WriteSQLite(QStringLiteral("school.db"), schema));
    }
  }
  static int& DatabaseNumber() {
    static int number = 0;
    return number;
  }
  void RunOnServer(const PrivatePostgresServer& server, const QString& database, const QStringList& statements) {
    const QString name = QUuid::createUuid().toString();
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
      db.setHostName(server.Host());
      db.setPort(server.Port());
      db.setUserName(PrivatePostgresServer::User());
      db.setDatabaseName(database);
      ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
      RunStatements(db, statements);
      if (!PhotoToStore.isEmpty()) StorePhoto(db);
    }
    QSqlDatabase::removeDatabase(name);
  }
  void StorePhoto(QSqlDatabase& db) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE pupils SET photo = :photo WHERE id = 1"));
    query.bindValue(QStringLiteral(":photo"), PhotoToStore);
    EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
  }
  // The listing of pupils grouped by class with the sum of marks under each class.
  void BuildGroupedListing() {
    AddQuery(QStringLiteral("P"), Connection, QStringLiteral("SELECT name, class, mark FROM pupils ORDER BY id"));
    AddBand<TrpGroupHeader>(QStringLiteral("Class"), 0)->SetCondition(QStringLiteral("P.\"class\""));
    auto* rows = AddBand<TrpMasterData>(QStringLiteral("Rows"), 40);
    rows->SetDataSetName(QStringLiteral("P"));
    AddMemo(rows, QStringLiteral("Name"), QStringLiteral("[P.\"name\"]"));
    auto* footer = AddBand<TrpGroupFooter>(QStringLiteral("Total"), 80);
    AddMemo(footer, QStringLiteral("Sum"), QStringLiteral("[P.\"class\"] [SUM(<P.\"mark\">,Rows)]"));
  }

  TrpDBConnection* Connection = nullptr;
  QByteArray PhotoToStore;
};

TEST_P(SQLReports, GroupsStepBackForTheirFootersInOneAndInTwoPasses) {
  BuildGroupedListing();
  for (bool doublePass : {false, true}) {
    Report->EngineOptions().SetDoublePass(doublePass);
    ASSERT_TRUE(Prepare()) << "double pass " << doublePass;
    EXPECT_EQ(Texts("Name"), (QStringList{"Ann", "Bo", "Cy", "Di", "Ed"}));
    EXPECT_EQ(Texts("Sum"), (QStringList{"3A 170", "3B 70", "3C 60"}));
  }
}

TEST_P(SQLReports, ADetailQueryTakesItsMastersRowAsParameter) {
  AddQuery(QStringLiteral("P"), Connection, QStringLiteral("SELECT id, name FROM pupils ORDER BY id"));
  AddQuery(QStringLiteral("B"), Connection, QStringLiteral("SELECT title FROM books WHERE pupil = :pupil ORDER BY title"),
           {QStringLiteral("pupil=P.\"id\"")});
  auto* master = AddBand<TrpMasterData>(QStringLiteral("Pupils"), 0);
  master->SetDataSetName(QStringLiteral("P"));
  AddMemo(master, QStringLiteral("Pupil"), QStringLiteral("[P.\"name\"]"));
  auto* detail = AddBand<TrpDetailData>(QStringLiteral("Books"), 40);
  detail->SetDataSetName(QStringLiteral("B"));
  AddMemo(detail, QStringLiteral("Book"), QStringLiteral("[P.\"name\"]: [B.\"title\"]"));
  ASSERT_TRUE(Prepare());
  // Pupils without books are left out: their detail is empty.
  EXPECT_EQ(Texts("Pupil"), (QStringList{"Ann", "Cy", "Ed"}));
  EXPECT_EQ(Texts("Book"), (QStringList{"Ann: Mi", "Ann: Tian", "Cy: Jiu", "Ed: Ge", "Ed: Hui", "Ed: Zi"}));
}

TEST_P(SQLReports, NullsReadAsTheirTypesEmptyValueOnlyWithConvertNulls) {
  AddQuery(QStringLiteral("P"), Connection, QStringLiteral("SELECT name, mark FROM pupils WHERE id IN (2, 3) ORDER BY id"));
  auto* rows = AddBand<TrpMasterData>(QStringLiteral("Rows"), 0);
  rows->SetDataSetName(QStringLiteral("P"));
  AddMemo(rows, QStringLiteral("Mark"), QStringLiteral("[P.\"mark\"]"));
  AddMemo(rows, QStringLiteral("Next"), QStringLiteral("[<P.\"mark\"> + 1]"));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts("Mark"), (QStringList{"90", "0"}));
  EXPECT_EQ(Texts("Next"), (QStringList{"91", "1"}));
  // Without it the value stays Null: shown as nothing, and no number to add to.
  Report->EngineOptions().SetConvertNulls(false);
  Report->FindObject(QStringLiteral("Next"))->SetParent(nullptr);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts("Mark"), (QStringList{"90", ""}));
}

TEST_P(SQLReports, APictureComesFromALargeObjectColumn) {
  PhotoToStore = pngOf(12, 7);
  if (GetParam() == Database::SQLite) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("photo"));
    db.setDatabaseName(PathOf(QStringLiteral("school.db")));
    ASSERT_TRUE(db.open());
    StorePhoto(db);
    db.close();
  } else {
    QString problem;
    RunOnServer(*postgres(problem), Connection->DatabaseName(), {});
  }
  QSqlDatabase::removeDatabase(QStringLiteral("photo"));
  auto* query = AddQuery(QStringLiteral("P"), Connection, QStringLiteral("SELECT name, photo FROM pupils WHERE id = 1"));
  auto* rows = AddBand<TrpMasterData>(QStringLiteral("Rows"), 0, 60);
  rows->SetDataSetName(QStringLiteral("P"));
  auto* picture = new TrpPictureView(rows);
  picture->SetName(QStringLiteral("Photo"));
  picture->SetBounds(0, 0, 50, 50);
  picture->SetDataSet(query);
  picture->SetDataField(QStringLiteral("photo"));
  ASSERT_TRUE(Prepare());
  // The run read the definition back: its objects are new ones.
  query = dynamic_cast<TrpSQLDataSet*>(Report->FindObject(QStringLiteral("P")));
  picture = dynamic_cast<TrpPictureView*>(Report->FindObject(QStringLiteral("Photo")));
  ASSERT_TRUE(query && picture);
  query->First();
  EXPECT_TRUE(query->IsBlobField(QStringLiteral("photo")));
  EXPECT_FALSE(query->IsBlobField(QStringLiteral("name")));
  picture->GetData();
  EXPECT_EQ(picture->Picture().Width(), 12);
  EXPECT_EQ(picture->Picture().Height(), 7);
}

TEST_P(SQLReports, AQueryErrorFailsThePreparationNamingTheDataSetAndTheQuery) {
  AddQuery(QStringLiteral("Broken"), Connection, QStringLiteral("SELECT nosuchcolumn FROM pupils"));
  AddBand<TrpMasterData>(QStringLiteral("Rows"), 0)->SetDataSetName(QStringLiteral("Broken"));
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_NE(Errors().find("Broken: "), std::string::npos) << Errors();
  EXPECT_NE(Errors().find("in the query: SELECT nosuchcolumn FROM pupils"), std::string::npos) << Errors();
}

INSTANTIATE_TEST_SUITE_P(Databases, SQLReports, ::testing::Values(Database::SQLite, Database::PostgreSQL),
                         [](const auto& info) { return info.param == Database::SQLite ? "SQLite" : "PostgreSQL"; });

class PostgreSQLDates : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { serverSlot().reset(); }
};

TEST_F(PostgreSQLDates, ADateColumnIsADateForTheScript) {
  QString problem;
  PrivatePostgresServer* server = postgres(problem);
  if (!server) GTEST_SKIP() << problem.toStdString();
  rpInstallReportServices();
  TrpReport report;
  auto* connection = new TrpDBConnection(&report);
  connection->SetName(QStringLiteral("Db"));
  connection->SetDriver(QStringLiteral("QPSQL"));
  connection->SetHost(server->Host());
  connection->SetPort(server->Port());
  connection->SetUser(PrivatePostgresServer::User());
  connection->SetDatabaseName(QStringLiteral("postgres"));
  TrpSQLDataSet query(&report);
  query.SetConnection(connection);
  query.SetSQL({QStringLiteral("SELECT DATE '2017-03-14' AS born, NULL::date AS unknown")});
  query.First();
  EXPECT_EQ(query.GetFieldType(QStringLiteral("born")), fftNumeric);
  EXPECT_EQ(query.GetValue(QStringLiteral("born")), ScriptValue::DateTime(DayNumber::FromDate(QDate(2017, 3, 14))));
  EXPECT_TRUE(query.GetValue(QStringLiteral("unknown")).IsNull());
}

}  // namespace
