#pragma once
// TrpRowWindowDataSet: the base of data sets that read their rows one after another from a source
// (a query, a file) without keeping them. It holds two rows only: the current one and the one
// before it, which is all the band engine asks for: First starts the source again, Prior steps
// back one row for a group's footer (and Next forward again), and after the last row Eof is true
// while the fields still give the last row, for the footers printed after it.
#include <QStringList>
#include <QVariant>
#include <QVector>

#include "report/datasets/custom_db_data_set.h"

class TrpRowWindowDataSet : public TrpCustomDBDataSet {
 public:
  explicit TrpRowWindowDataSet(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  void First() override;
  void Next() override;
  void Prior() override;
  bool Eof() override;

  // The field's value in the current row: Null for an empty database value. Raises TrpError
  // naming the data set and the field when it has no such field, and when no row was read.
  ScriptValue GetValue(const QString& field) override;
  QString GetDisplayText(const QString& field) override;
  TrpFieldType GetFieldType(const QString& field) const override;

  // What the user sees of the data set in messages: its user name, else its name.
  QString DisplayName() const;

 protected:
  // The source's field names and types, once it is open.
  struct Column {
    QString Name;
    QMetaType::Type Type = QMetaType::QString;
  };
  // Opens the source at its first row (again) and fills `columns`. Raises TrpError with a message
  // naming the data set and what failed.
  virtual void OpenRows(QVector<Column>& columns) = 0;
  // Reads the next row into `row` (one value per column); false at the end. Raises TrpError for
  // a row that cannot be read.
  virtual bool FetchRow(QVariantList& row) = 0;
  const QVector<Column>& Columns() const { return FColumns; }
  // The index of `field` among the columns (ignoring case), or -1.
  int ColumnIndex(const QString& field) const;
  // The current row's value of column `index`.
  const QVariant& CurrentValue(int index) const;

 private:
  QVector<Column> FColumns;
  QVariantList FCurrent, FPrevious;
  bool FOpened = false;       // First has opened the source
  bool FHasRow = false;       // the source gave at least one row
  bool FAtEnd = false;        // Next went past the last row
  bool FSteppedBack = false;  // Prior showed the previous row; Next returns to the current one
};
