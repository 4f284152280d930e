#pragma once
// TrpSQLDataSet: the rows of a query on a TrpDBConnection. Params bind values the report computes
// when the query is run: lines "name=expression", each expression evaluated by the report (so a
// detail query may take a field of its master's current row: "order=Orders.\"id\""). The query
// runs again each time the engine starts the data set over, so a detail follows its master.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <memory>

#include "report/data/row_window_data_set.h"

class TrpDBConnection;

class TrpSQLDataSet : public TrpRowWindowDataSet {
 public:
  explicit TrpSQLDataSet(TrpComponent* owner);
  ~TrpSQLDataSet() override;
  static TrpComponent* Create(TrpComponent* owner) { return new TrpSQLDataSet(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TrpDBConnection* Connection() const { return FConnection; }
  void SetConnection(TrpDBConnection* value) { FConnection = value; }
  const QStringList& SQL() const { return FSQL; }
  void SetSQL(const QStringList& value) { FSQL = value; }
  const QStringList& Params() const { return FParams; }
  void SetParams(const QStringList& value) { FParams = value; }

  bool IsBlobField(const QString& field) const override;
  void AssignBlobTo(const QString& field, QIODevice& stream) override;
  void Finalize() override;
  void Notification(TrpComponent* removed) override;

 protected:
  void OpenRows(QVector<Column>& columns) override;
  bool FetchRow(QVariantList& row) override;

 private:
  [[noreturn]] void Fail(const QString& what) const;

  TrpDBConnection* FConnection = nullptr;
  QStringList FSQL;
  QStringList FParams;
  // Closes the query and this data set's own database connection.
  void CloseQuery();

  QString FCopyName;  // this data set's own database connection (TrpDBConnection::Open)
  std::unique_ptr<QSqlQuery> FQuery;
};
