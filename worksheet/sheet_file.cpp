#include "worksheet/sheet_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "script_engine/files/whole_file.h"

namespace stroval {

namespace {

const QString kFormat = QStringLiteral("stroval-worksheet");

// A reading problem: the text the user is told.
struct Damaged {
  QString reason;
};

QJsonObject FontToJson(const SampleFont& font) {
  return {{"family", font.font.family()},
          {"points", PointsOf(font.font)},
          {"bold", font.font.bold()},
          {"italic", font.font.italic()},
          {"underline", font.font.underline()},
          {"strikeOut", font.font.strikeOut()},
          {"color", font.color.name()}};
}

QJsonArray CellsToJson(const WorksheetSheet& sheet) {
  QJsonArray cells;
  for (int row = 1; row <= WorksheetSheet::kRows; ++row)
    for (int column = 1; column <= WorksheetSheet::kColumns; ++column) {
      const SheetCell& cell = sheet.Cell(column, row);
      if (cell.character.isEmpty()) continue;
      cells.append(QJsonObject{{"column", column},
                               {"row", row},
                               {"character", cell.character},
                               {"traced", cell.traced}});
    }
  return cells;
}

// The value `key` of `object`, which must be of `type`.
QJsonValue Required(const QJsonObject& object, const char* key, QJsonValue::Type type) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (value.type() != type) throw Damaged{QStringLiteral("\"%1\" is missing or of the wrong kind").arg(key)};
  return value;
}

QString Text(const QJsonObject& object, const char* key) {
  return Required(object, key, QJsonValue::String).toString();
}

int Whole(const QJsonObject& object, const char* key, int low, int high) {
  const double number = Required(object, key, QJsonValue::Double).toDouble();
  if (number != int(number) || number < low || number > high)
    throw Damaged{QStringLiteral("\"%1\" is not a whole number from %2 to %3").arg(key).arg(low).arg(high)};
  return int(number);
}

bool Flag(const QJsonObject& object, const char* key) {
  return Required(object, key, QJsonValue::Bool).toBool();
}

SampleFont FontFromJson(const QJsonObject& object) {
  SampleFont font;
  font.font = QFont(Text(object, "family"));
  const double points = Required(object, "points", QJsonValue::Double).toDouble();
  if (!(points > 0 && points <= 1000)) throw Damaged{QStringLiteral("the font size is out of range")};
  font.font.setPointSizeF(points);
  font.font.setBold(Flag(object, "bold"));
  font.font.setItalic(Flag(object, "italic"));
  font.font.setUnderline(Flag(object, "underline"));
  font.font.setStrikeOut(Flag(object, "strikeOut"));
  font.color = QColor(Text(object, "color"));
  if (!font.color.isValid()) throw Damaged{QStringLiteral("the font colour is not a colour")};
  return font;
}

void CellsFromJson(const QJsonArray& cells, WorksheetSheet& sheet) {
  for (const QJsonValue& value : cells) {
    if (!value.isObject()) throw Damaged{QStringLiteral("a cell is not an object")};
    const QJsonObject cell = value.toObject();
    const int column = Whole(cell, "column", 1, WorksheetSheet::kColumns);
    const int row = Whole(cell, "row", 1, WorksheetSheet::kRows);
    const QString character = Text(cell, "character");
    // One label's character: a 16-bit unit, as the palette makes them.
    if (character.size() != 1) throw Damaged{QStringLiteral("a cell holds more than one character")};
    sheet.Cell(column, row) = {character, Flag(cell, "traced")};
  }
}

GuideStyle GuidesFromJson(const QJsonObject& object) {
  const std::optional<GuideStyle> style = GuideStyleNamed(Text(object, "guides"));
  if (!style) throw Damaged{QStringLiteral("the guide style is unknown")};
  return *style;
}

WorksheetSheet SheetFromObject(const QJsonObject& object) {
  WorksheetSheet sheet;
  sheet.title = Text(object, "title");
  sheet.word = Text(object, "word");
  sheet.palette = Text(object, "palette");
  if (sheet.palette.size() > WorksheetSheet::kColumns) throw Damaged{QStringLiteral("the palette is too long")};
  sheet.font = FontFromJson(Required(object, "font", QJsonValue::Object).toObject());
  sheet.guides = GuidesFromJson(object);
  sheet.traceCount = Whole(object, "trace", 0, WorksheetSheet::kMaxTraceCount);
  CellsFromJson(Required(object, "cells", QJsonValue::Array).toArray(), sheet);
  return sheet;
}

}  // namespace

QByteArray SheetToJson(const WorksheetSheet& sheet) {
  const QJsonObject object{{"format", kFormat},
                           {"version", kSheetFileVersion},
                           {"title", sheet.title},
                           {"word", sheet.word},
                           {"palette", sheet.palette},
                           {"font", FontToJson(sheet.font)},
                           {"guides", GuideStyleKey(sheet.guides)},
                           {"trace", sheet.traceCount},
                           {"cells", CellsToJson(sheet)}};
  return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<WorksheetSheet> SheetFromJson(const QByteArray& json, QString& error) {
  QJsonParseError parse;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
  if (document.isNull()) {
    error = QStringLiteral("the file is damaged (%1 at byte %2)").arg(parse.errorString()).arg(parse.offset);
    return std::nullopt;
  }
  const QJsonObject object = document.object();
  if (!document.isObject() || object.value(QLatin1String("format")).toString() != kFormat) {
    error = QStringLiteral("the file is not a Stroval worksheet");
    return std::nullopt;
  }
  const QJsonValue version = object.value(QLatin1String("version"));
  if (!version.isDouble() || version.toDouble() != kSheetFileVersion) {
    error = QStringLiteral("the file is a worksheet of another version of Stroval");
    return std::nullopt;
  }
  try {
    return SheetFromObject(object);
  } catch (const Damaged& damaged) {
    error = QStringLiteral("the file is damaged: %1").arg(damaged.reason);
    return std::nullopt;
  }
}

bool SaveSheetFile(const WorksheetSheet& sheet, const QString& fileName, QString& error) {
  const QByteArray bytes = SheetToJson(sheet);
  return scWriteWholeFile(fileName, [&bytes](QIODevice& device) { device.write(bytes); }, error);
}

std::optional<WorksheetSheet> LoadSheetFile(const QString& fileName, QString& error) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return std::nullopt;
  }
  return SheetFromJson(file.readAll(), error);
}

}  // namespace stroval
