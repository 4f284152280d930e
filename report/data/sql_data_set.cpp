#include "report/data/sql_data_set.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QUuid>

#include "report/data/db_connection.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"

namespace {

QVariant toVariant(const ScriptValue& value) {
  if (value.IsEmptyOrNull()) return QVariant();
  if (value.IsBoolean()) return value.ToBool();
  if (value.IsString()) return value.ToString();
  if (value.IsNumeric()) {
    const double number = value.ToDouble();
    if (number == static_cast<double>(static_cast<qlonglong>(number))) return static_cast<qlonglong>(number);
    return number;
  }
  return value.ToText();
}

}  // namespace

TrpSQLDataSet::TrpSQLDataSet(TrpComponent* owner)
    : TrpRowWindowDataSet(owner), FCopyName(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

TrpSQLDataSet::~TrpSQLDataSet() { CloseQuery(); }

void TrpSQLDataSet::CloseQuery() {
  FQuery.reset();
  if (QSqlDatabase::contains(FCopyName)) QSqlDatabase::removeDatabase(FCopyName);
}

const TrpClassInfo& TrpSQLDataSet::StaticClassInfo() {
  using C = TrpSQLDataSet;
  static const TrpClassInfo info(
      "TrpSQLDataSet", &TrpRowWindowDataSet::StaticClassInfo(), &Create,
      {rpReference<&C::Connection, &C::SetConnection>("Connection"),
       rpStrings<&C::SQL, &C::SetSQL>("SQL"),
       rpStrings<&C::Params, &C::SetParams>("Params")});
  return info;
}

const TrpClassInfo& TrpSQLDataSet::ClassInfo() const { return StaticClassInfo(); }

void TrpSQLDataSet::Fail(const QString& what) const {
  throw TrpError(QStringLiteral("%1: %2\nin the query: %3").arg(DisplayName(), what, FSQL.join(u' ').simplified()));
}

void TrpSQLDataSet::OpenRows(QVector<Column>& columns) {
  if (!FConnection) throw TrpError(QStringLiteral("%1: no Connection is given").arg(DisplayName()));
  if (FSQL.join(QString()).trimmed().isEmpty()) throw TrpError(QStringLiteral("%1: no SQL is given").arg(DisplayName()));
  FQuery.reset();
  FQuery = std::make_unique<QSqlQuery>(FConnection->Open(FCopyName));
  // Rows are read once, in order; the data set keeps the two it needs.
  FQuery->setForwardOnly(true);
  if (!FQuery->prepare(FSQL.join(u'\n'))) Fail(FQuery->lastError().text());
  TrpCustomReport* report = Report();
  for (const QString& line : FParams) {
    const qsizetype equals = line.indexOf(u'=');
    const QString name = line.left(equals).trimmed();
    const QString expression = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
    if (name.isEmpty() || expression.isEmpty())
      Fail(QStringLiteral("the parameter line \"%1\" is not of the form name=expression").arg(line));
    if (!report) Fail(QStringLiteral("the parameter %1 needs a report to compute it").arg(name));
    FQuery->bindValue(name.startsWith(u':') ? name : u':' + name, toVariant(report->Calc(expression)));
  }
  if (!FQuery->exec()) Fail(FQuery->lastError().text());
  const QSqlRecord record = FQuery->record();
  columns.clear();
  for (int i = 0; i < record.count(); ++i)
    columns.append({record.fieldName(i), static_cast<QMetaType::Type>(record.field(i).metaType().id())});
}

bool TrpSQLDataSet::FetchRow(QVariantList& row) {
  if (!FQuery) return false;
  if (!FQuery->next()) {
    if (FQuery->lastError().isValid()) Fail(FQuery->lastError().text());
    return false;
  }
  row.clear();
  row.reserve(Columns().size());
  const QSqlRecord record = FQuery->record();
  for (int i = 0; i < record.count(); ++i) row << record.value(i);
  return true;
}

bool TrpSQLDataSet::IsBlobField(const QString& field) const {
  const int index = ColumnIndex(field);
  return index >= 0 && Columns()[index].Type == QMetaType::QByteArray;
}

void TrpSQLDataSet::AssignBlobTo(const QString& field, QIODevice& stream) {
  const int index = ColumnIndex(field);
  if (index >= 0) stream.write(CurrentValue(index).toByteArray());
}

void TrpSQLDataSet::Finalize() {
  CloseQuery();
  TrpRowWindowDataSet::Finalize();
}

void TrpSQLDataSet::Notification(TrpComponent* removed) {
  if (removed == FConnection) {
    CloseQuery();
    FConnection = nullptr;
  }
  TrpRowWindowDataSet::Notification(removed);
}
