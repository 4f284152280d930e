#pragma once
// TrpCSVDataSet: the rows of a text file of delimited values (RFC 4180: fields in double quotes may
// hold delimiters, line breaks and doubled quotes). The field names come from the first row or
// from Fields; each field may declare its type ("amount:float"), read the same way on every
// machine: numbers with a full stop, dates as yyyy-mm-dd. The file is read as it is walked, never
// held whole, so a file of a million rows costs two rows of memory.
#include <QFile>
#include <QStringList>

#include <memory>

#include "report/data/row_window_data_set.h"

class TrpCSVDataSet : public TrpRowWindowDataSet {
 public:
  explicit TrpCSVDataSet(TrpComponent* owner);
  ~TrpCSVDataSet() override;
  static TrpComponent* Create(TrpComponent* owner) { return new TrpCSVDataSet(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // The file; a relative name is taken beside the report's file.
  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& value) { FFileName = value; }
  // One character each; the delimiter also "\t" for a tab.
  QString Delimiter() const { return QString(QChar::fromLatin1(FDelimiter)); }
  void SetDelimiter(const QString& value);
  QString Quote() const { return QString(QChar::fromLatin1(FQuote)); }
  void SetQuote(const QString& value);
  // Whether the first row names the fields.
  bool HeaderRow() const { return FHeaderRow; }
  void SetHeaderRow(bool value) { FHeaderRow = value; }
  // Declared fields, "name" or "name:type" (string, integer, float, date, datetime, boolean); they
  // name the fields when there is no header row and give types to the header's names otherwise.
  const QStringList& FieldDefs() const { return FFieldDefs; }
  void SetFieldDefs(const QStringList& value) { FFieldDefs = value; }
  // "UTF-8" (a byte-order mark is skipped), or an 8-bit code page by number ("1252", "950").
  const QString& Encoding() const { return FEncoding; }
  void SetEncoding(const QString& value);

  // The path the file is read from.
  QString ResolvedPath() const;

 protected:
  void OpenRows(QVector<Column>& columns) override;
  bool FetchRow(QVariantList& row) override;

 private:
  // The cells of the next record as bytes; false at the end of the file.
  bool ReadRecord(QList<QByteArray>& cells);
  QString Decode(const QByteArray& bytes) const;
  QVariant Convert(const QString& text, int column) const;
  [[noreturn]] void Fail(const QString& what) const;

  QString FFileName;
  char FDelimiter = ',';
  char FQuote = '"';
  bool FHeaderRow = true;
  QStringList FFieldDefs;
  QString FEncoding = QStringLiteral("UTF-8");
  int FCodePage = 0;  // 0: UTF-8

  std::unique_ptr<QFile> FFile;
  qint64 FLine = 0;  // line of the file where the record being read starts (1-based)
  qint64 FRow = 0;   // data row being read (1-based)
};
