#pragma once
// The report's named styles (its Styles): each a font, a fill and a frame, with flags saying
// which of the three a text object takes. A text object names its style in Style; the report's
// FindStyle hands the style over and the text object copies what the flags select.
//
// Style files hold one collection: the XML root "style" with the collection's Name, one "item"
// element per style whose attributes are the style's published properties.
#include <QString>
#include <QStringList>

#include <memory>

#include "report/units/report_units.h"
#include "report/views/look_item.h"

class QIODevice;
class TrpCustomReport;
class TrpStyles;

class TrpStyleItem : public TrpLookItem {
 public:
  TrpStyleItem();
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& Name() const { return FName; }
  // Raises TrpError ("Duplicate name") when another style of the collection has the name
  // (ignoring case); the name is then unchanged.
  void SetName(const QString& value);
  // The style's Name once it has one.
  QString InheritedName() const override;
  // "Style" followed by the smallest positive number no style of the collection uses.
  void CreateUniqueName();

  // The fill's background colour, as views have it (not stored).
  TColor Color() const;
  void SetColor(TColor value);

  // The collection the style belongs to (set when it joins one).
  TrpStyles* Collection() const { return FCollection; }
  void SetCollection(TrpStyles* value) { FCollection = value; }

 private:
  TrpStyles* FCollection = nullptr;
  QString FName;
};

class TrpStyles : public TrpCollection<TrpStyleItem> {
 public:
  explicit TrpStyles(TrpCustomReport* report = nullptr) : FReport(report) {}

  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  TrpCustomReport* Report() const { return FReport; }

  // The first style named `name` (ignoring case), or none.
  TrpStyleItem* Find(const QString& name) const;
  // The style names in order.
  QStringList GetList() const;
  // Every text object of the report takes its style again; one naming no style forgets it.
  void Apply();

  // Replaces the styles by those of a style document and applies them. Raises TrpError for a
  // document that cannot be read, is not a style document, or holds a style that cannot be set
  // (a duplicate name among them); the styles are then unchanged.
  void LoadFromStream(QIODevice& stream);
  void LoadFromFile(const QString& fileName);
  // Writes the style document; a file is replaced only once written completely.
  void SaveToStream(QIODevice& stream) const;
  void SaveToFile(const QString& fileName) const;

 protected:
  void ItemAdded(TrpStyleItem& item) override { item.SetCollection(this); }

 private:
  TrpCustomReport* FReport;
  QString FName;
};
