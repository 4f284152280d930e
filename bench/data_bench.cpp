// The listing of engine_bench (a group every 50 rows, a group total, page numbers) prepared from
// 100,000 and 1,000,000 rows: computed in memory (0), read from a SQLite table (1) and from a
// CSV file (2). The files are written once per row count, outside the timing. Counters: rows per
// second and the process's peak memory; run one case per process to read its own peak, e.g.
//   build/bench/data_bench --benchmark_filter='BM_PrepareListingFrom/1/1000000'
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <memory>

#include "listing_report.h"
#include "report/component/report.h"
#include "report/data/csv_data_set.h"
#include "report/data/db_connection.h"
#include "report/data/sql_data_set.h"
#include "report/options/engine_options.h"
#include "timed_prepare.h"

namespace {

QTemporaryDir& folder() {
  static QTemporaryDir dir;
  return dir;
}

// The rows of ListingRows as a SQLite table "items" and a CSV file, `count` of them.
QString writeFiles(int count) {
  static std::map<int, QString> written;
  if (auto it = written.find(count); it != written.end()) return it->second;
  const QString base = QDir(folder().path()).filePath(QStringLiteral("rows%1").arg(count));
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
    db.setDatabaseName(base + QStringLiteral(".db"));
    db.open();
    QSqlQuery query(db);
    query.exec(QStringLiteral("CREATE TABLE items (id INTEGER, grp INTEGER, name TEXT, amount REAL)"));
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO items VALUES (?, ?, ?, ?)"));
    QFile csv(base + QStringLiteral(".csv"));
    csv.open(QIODevice::WriteOnly);
    csv.write("id,grp,name,amount\n");
    for (int id = 1; id <= count; ++id) {
      query.addBindValue(id);
      query.addBindValue(id / 50);
      query.addBindValue(QStringLiteral("Item %1").arg(id));
      query.addBindValue(id * 1.5);
      query.exec();
      csv.write(QStringLiteral("%1,%2,Item %1,%3\n").arg(id).arg(id / 50).arg(id * 1.5).toUtf8());
    }
    db.commit();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("writer"));
  return written[count] = base;
}

// The data set "Rows" of the kind asked for, owned by the report.
void addRows(TrpReport& report, int kind, const QString& base) {
  if (kind == 1) {
    auto* connection = new TrpDBConnection(&report);
    connection->SetName(QStringLiteral("Db"));
    connection->SetDatabaseName(base + QStringLiteral(".db"));
    auto* query = new TrpSQLDataSet(&report);
    query->SetName(QStringLiteral("Rows"));
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("SELECT id, grp, name, amount FROM items ORDER BY id")});
  } else if (kind == 2) {
    auto* csv = new TrpCSVDataSet(&report);
    csv->SetName(QStringLiteral("Rows"));
    csv->SetFileName(base + QStringLiteral(".csv"));
    csv->SetFieldDefs({QStringLiteral("id:integer"), QStringLiteral("grp:integer"), QStringLiteral("amount:float")});
  }
}

void BM_PrepareListingFrom(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const int count = static_cast<int>(state.range(1));
  const QString base = kind == 0 ? QString() : writeFiles(count);
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<ListingRows> memory = kind == 0 ? std::make_unique<ListingRows>(count) : nullptr;
    auto report = std::make_unique<TrpReport>();
    report->EngineOptions().SetNewSilentMode(simSilent);
    addRows(*report, kind, base);
    rpBuildListing(*report);
    if (!rpTimedPrepare(state, *report, pages)) return;
    report.reset();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["rows_per_second"] =
      benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = rpPeakMemoryMiB();
}
BENCHMARK(BM_PrepareListingFrom)
    ->ArgsProduct({{0, 1, 2}, {100000, 1000000}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
