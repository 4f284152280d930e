#pragma once
// Reports over real data, prepared with the installed services: a SQLite file the tests write in a
// temporary folder, builders for a page of bands over a data set, and the texts the prepared pages
// show.
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

#include "report/component/report.h"
#include "report/data/csv_data_set.h"
#include "report/data/db_connection.h"
#include "report/data/sql_data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/services/install_report_services.h"

class DataReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    Page = new TrpReportPage(Report.get());
    Page->SetName(QStringLiteral("Page1"));
  }
  void TearDown() override { Report.reset(); }

  QString PathOf(const QString& name) const { return QDir(Dir.path()).filePath(name); }

  // Runs `statements` on a new SQLite file `name` of the folder; its path.
  QString WriteSQLite(const QString& name, const QStringList& statements) {
    const QString connection = QUuid::createUuid().toString();
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
      db.setDatabaseName(PathOf(name));
      EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
      RunStatements(db, statements);
      db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return PathOf(name);
  }
  static void RunStatements(QSqlDatabase& db, const QStringList& statements) {
    QSqlQuery query(db);
    for (const QString& statement : statements)
      EXPECT_TRUE(query.exec(statement)) << statement.toStdString() << ": " << query.lastError().text().toStdString();
  }
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return PathOf(name);
  }

  TrpDBConnection* AddConnection(const QString& driver, const QString& database) {
    auto* connection = new TrpDBConnection(Report.get());
    connection->SetName(QStringLiteral("Db"));
    connection->SetDriver(driver);
    connection->SetDatabaseName(database);
    return connection;
  }
  // A query data set of the report, listed in its data sets.
  TrpSQLDataSet* AddQuery(const QString& name, TrpDBConnection* connection, const QString& sql,
                          const QStringList& params = {}) {
    auto* query = new TrpSQLDataSet(Report.get());
    query->SetName(name);
    query->SetConnection(connection);
    query->SetSQL({sql});
    query->SetParams(params);
    Report->DataSets().Add(query);
    return query;
  }
  TrpCSVDataSet* AddCSV(const QString& name, const QString& file, const QStringList& fieldDefs = {}) {
    auto* csv = new TrpCSVDataSet(Report.get());
    csv->SetName(name);
    csv->SetFileName(file);
    csv->SetFieldDefs(fieldDefs);
    Report->DataSets().Add(csv);
    return csv;
  }

  template <class Band>
  Band* AddBand(const QString& name, Extended top, Extended height = 20) {
    auto* band = new Band(Page);
    band->SetName(name);
    band->SetTop(top);
    band->SetHeight(height);
    return band;
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text) {
    auto* memo = new TrpMemoView(band);
    memo->SetName(name);
    memo->SetBounds(0, 0, 400, 18);
    memo->SetText(text);
    return memo;
  }

  ::testing::AssertionResult Prepare() {
    if (Report->PrepareReport()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Report->Errors().join(QLatin1Char('\n')).toStdString();
  }
  std::string Errors() const { return Report->Errors().join(QLatin1Char('\n')).toStdString(); }
  // The texts of the text objects named `name` on every prepared page, in order.
  QStringList Texts(const QString& name) const {
    QStringList texts;
    TrpCustomPreviewPages* pages = Report->PreviewPages();
    for (int i = 0; i < pages->GetCount(); ++i)
      for (TrpComponent* object : pages->GetPage(i)->AllObjects())
        if (object->Name() == name) texts << static_cast<TrpMemoView*>(object)->Memo().join(QLatin1Char('\n'));
    return texts;
  }

  QTemporaryDir Dir;
  std::unique_ptr<TrpReport> Report;
  TrpReportPage* Page = nullptr;
};
