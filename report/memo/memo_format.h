#pragma once
// TrpFormat: a display format of a text object — what kind of value it shows (text, number,
// date-time, Boolean), the format text, and the decimal and thousands separators a number is
// shown with. A text object keeps a list of them (TrpFormatCollection); the first is its
// DisplayFormat, and each embedded expression takes the next.
#include <QString>

#include <memory>
#include <vector>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"

enum TrpFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
extern const TrpEnumType rpFormatKindType;

class TrpFormat : public TrpPersistent {
 public:
  TrpFormat() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TrpFormatKind Kind() const { return FKind; }
  void SetKind(TrpFormatKind value) { FKind = value; }
  const QString& FormatStr() const { return FFormatStr; }
  void SetFormatStr(const QString& value) { FFormatStr = value; }
  // One character replaces the system's separator in numbers; anything else changes nothing.
  const QString& DecimalSeparator() const { return FDecimalSeparator; }
  void SetDecimalSeparator(const QString& value) { FDecimalSeparator = value; }
  const QString& ThousandSeparator() const { return FThousandSeparator; }
  void SetThousandSeparator(const QString& value) { FThousandSeparator = value; }

 private:
  TrpFormatKind FKind = fkText;
  QString FFormatStr;
  QString FDecimalSeparator;
  QString FThousandSeparator;
};

// An ordered list of formats that owns its items.
class TrpFormatCollection {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TrpFormat* Items(int index) const { return FItems.at(index).get(); }
  TrpFormat* Add();
  void Clear() { FItems.clear(); }
  // Copies of `other`'s items replace this collection's.
  void Assign(const TrpFormatCollection& other);

 private:
  std::vector<std::unique_ptr<TrpFormat>> FItems;
};
