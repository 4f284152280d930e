#include "report/data/csv_data_set.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "report/data/data_file_path.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"
#include "report/xml/code_page.h"

namespace {

// The declared type names and what their cells become.
struct TypeName {
  const char* Name;
  QMetaType::Type Type;
};
constexpr TypeName kTypes[] = {{"string", QMetaType::QString},   {"integer", QMetaType::LongLong},
                               {"float", QMetaType::Double},     {"date", QMetaType::QDate},
                               {"datetime", QMetaType::QDateTime}, {"boolean", QMetaType::Bool}};

QLatin1String typeName(QMetaType::Type type) {
  for (const TypeName& t : kTypes)
    if (t.Type == type) return QLatin1String(t.Name);
  return QLatin1String("value");
}

char oneCharacter(const QString& value, const char* what) {
  const QString text = value == QLatin1String("\\t") ? QStringLiteral("\t") : value;
  if (text.size() != 1 || text[0].unicode() >= 0x80 || text[0] == u'\n' || text[0] == u'\r')
    throw TrpError(QStringLiteral("The %1 of a CSV file must be one character such as , ; | or \\t, not \"%2\"")
                       .arg(QLatin1String(what), value));
  return static_cast<char>(text[0].unicode());
}

}  // namespace

TrpCSVDataSet::TrpCSVDataSet(TrpComponent* owner) : TrpRowWindowDataSet(owner) {}
TrpCSVDataSet::~TrpCSVDataSet() = default;

const TrpClassInfo& TrpCSVDataSet::StaticClassInfo() {
  using C = TrpCSVDataSet;
  static const TrpClassInfo info(
      "TrpCSVDataSet", &TrpRowWindowDataSet::StaticClassInfo(), &Create,
      {rpString<&C::FileName, &C::SetFileName>("FileName"),
       rpString<&C::Delimiter, &C::SetDelimiter>("Delimiter").WithDefault(QStringLiteral(",")),
       rpString<&C::Quote, &C::SetQuote>("Quote").WithDefault(QStringLiteral("\"")),
       rpBoolean<&C::HeaderRow, &C::SetHeaderRow>("HeaderRow", true),
       rpStrings<&C::FieldDefs, &C::SetFieldDefs>("FieldDefs"),
       rpString<&C::Encoding, &C::SetEncoding>("Encoding").WithDefault(QStringLiteral("UTF-8"))});
  return info;
}

const TrpClassInfo& TrpCSVDataSet::ClassInfo() const { return StaticClassInfo(); }

void TrpCSVDataSet::SetDelimiter(const QString& value) { FDelimiter = oneCharacter(value, "delimiter"); }

void TrpCSVDataSet::SetQuote(const QString& value) { FQuote = oneCharacter(value, "quote character"); }

void TrpCSVDataSet::SetEncoding(const QString& value) {
  const QString name = value.trimmed();
  if (name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0 ||
      name.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0 || name.isEmpty()) {
    FCodePage = 0;
  } else {
    bool number = false;
    const int codePage = QString(name).remove(QLatin1String("cp"), Qt::CaseInsensitive).toInt(&number);
    if (!number || codePage <= 0)
      throw TrpError(QStringLiteral("Unknown encoding \"%1\": use UTF-8 or a code page number such as 1252").arg(value));
    FCodePage = codePage;
  }
  FEncoding = value;
}

QString TrpCSVDataSet::ResolvedPath() const { return rpDataFilePath(*this, FFileName); }

void TrpCSVDataSet::Fail(const QString& what) const {
  throw TrpError(QStringLiteral("%1: %2: %3").arg(DisplayName(), QDir::toNativeSeparators(ResolvedPath()), what));
}

QString TrpCSVDataSet::Decode(const QByteArray& bytes) const {
  return FCodePage == 0 ? QString::fromUtf8(bytes) : rpCodePageToUnicode(bytes, FCodePage);
}

void TrpCSVDataSet::OpenRows(QVector<Column>& columns) {
  if (FFileName.trimmed().isEmpty()) throw TrpError(QStringLiteral("%1: no FileName is given").arg(DisplayName()));
  FFile = std::make_unique<QFile>(ResolvedPath());
  if (!FFile->open(QIODevice::ReadOnly)) Fail(FFile->errorString());
  if (FCodePage == 0 && FFile->peek(3) == QByteArrayLiteral("\xEF\xBB\xBF")) FFile->read(3);
  FLine = 1;
  FRow = 0;
  columns.clear();
  QList<QByteArray> header;
  if (FHeaderRow) {
    if (!ReadRecord(header)) Fail(QStringLiteral("the file is empty; its first row must name the fields"));
    for (const QByteArray& cell : std::as_const(header)) columns.append({Decode(cell).trimmed(), QMetaType::QString});
  }
  for (int i = 0; i < FFieldDefs.size(); ++i) {
    const QString name = FFieldDefs[i].section(u':', 0, 0).trimmed();
    const QString type = FFieldDefs[i].section(u':', 1).trimmed().toLower();
    QMetaType::Type metaType = QMetaType::QString;
    if (!type.isEmpty()) {
      const auto* found = std::find_if(std::begin(kTypes), std::end(kTypes),
                                       [&](const TypeName& t) { return type == QLatin1String(t.Name); });
      if (found == std::end(kTypes))
        throw TrpError(QStringLiteral("%1: field \"%2\" has the unknown type \"%3\" (use string, integer, float, "
                                      "date, datetime or boolean)").arg(DisplayName(), name, type));
      metaType = found->Type;
    }
    const auto existing = std::find_if(columns.begin(), columns.end(),
                                       [&](const Column& c) { return c.Name.compare(name, Qt::CaseInsensitive) == 0; });
    if (existing != columns.end())
      existing->Type = metaType;
    else if (FHeaderRow)
      throw TrpError(QStringLiteral("%1: the declared field \"%2\" is not in the file's first row").arg(DisplayName(), name));
    else
      columns.append({name, metaType});
  }
  if (columns.isEmpty()) throw TrpError(QStringLiteral("%1: no fields: give the file a header row or declare FieldDefs").arg(DisplayName()));
}

bool TrpCSVDataSet::ReadRecord(QList<QByteArray>& cells) {
  cells.clear();
  QByteArray cell;
  bool quoted = false, anything = false;
  const qint64 startLine = FLine;
  char c;
  while (FFile->getChar(&c)) {
    anything = true;
    if (quoted) {
      if (c == FQuote) {
        char next;
        if (FFile->peek(&next, 1) == 1 && next == FQuote) {
          FFile->getChar(&next);
          cell += FQuote;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n') ++FLine;
        cell += c;
      }
      continue;
    }
    if (c == FQuote && cell.isEmpty()) {
      quoted = true;
    } else if (c == FDelimiter) {
      cells << cell;
      cell.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r') {
        char next;
        if (FFile->peek(&next, 1) == 1 && next == '\n') FFile->getChar(&next);
      }
      ++FLine;
      // A blank line is no record.
      if (cells.isEmpty() && cell.isEmpty()) {
        anything = false;
        continue;
      }
      cells << cell;
      return true;
    } else {
      cell += c;
    }
  }
  if (quoted) {
    FLine = startLine;
    Fail(QStringLiteral("line %1: a quoted field is not closed before the end of the file").arg(startLine));
  }
  if (!anything) return false;
  cells << cell;
  return true;
}

QVariant TrpCSVDataSet::Convert(const QString& text, int column) const {
  const Column& target = Columns()[column];
  if (target.Type == QMetaType::QString) return text;
  const QString cell = text.trimmed();
  if (cell.isEmpty()) return QVariant(QMetaType(target.Type));  // a null of the field's type
  bool ok = true;
  QVariant value;
  switch (target.Type) {
    case QMetaType::LongLong: value = cell.toLongLong(&ok); break;
    case QMetaType::Double: value = cell.toDouble(&ok); break;
    case QMetaType::QDate: value = QDate::fromString(cell, Qt::ISODate); ok = value.toDate().isValid(); break;
    case QMetaType::QDateTime:
      value = QDateTime::fromString(cell, Qt::ISODate);
      ok = value.toDateTime().isValid();
      break;
    case QMetaType::Bool: {
      const QString lower = cell.toLower();
      ok = lower == QLatin1String("true") || lower == QLatin1String("false") || lower == QLatin1String("1") ||
           lower == QLatin1String("0");
      value = lower == QLatin1String("true") || lower == QLatin1String("1");
      break;
    }
    default: value = cell;
  }
  if (!ok)
    Fail(QStringLiteral("row %1, field \"%2\": \"%3\" is not a %4").arg(FRow).arg(target.Name, cell, typeName(target.Type)));
  return value;
}

bool TrpCSVDataSet::FetchRow(QVariantList& row) {
  QList<QByteArray> cells;
  const qint64 line = FLine;
  if (!ReadRecord(cells)) return false;
  ++FRow;
  if (cells.size() != Columns().size())
    Fail(QStringLiteral("row %1 (line %2) has %3 cells where the fields are %4")
             .arg(FRow).arg(line).arg(cells.size()).arg(Columns().size()));
  row.clear();
  row.reserve(cells.size());
  for (int i = 0; i < cells.size(); ++i) row << Convert(Decode(cells[i]), i);
  return true;
}
