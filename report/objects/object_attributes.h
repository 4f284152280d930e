#pragma once
// One object's published properties as the attribute text of a report-file element, and back.
// This is a loop over the object's property descriptors; the object serializer (report/store)
// builds whole documents from it, and objects with nested collections (text formats, highlights)
// use it for their items.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

class TrpPersistent;
class TrpXMLItem;
struct TrpPropertyDescriptor;

// A reference read from a file, assigned once every object of the document exists.
struct TrpFixup {
  TrpPersistent* Object = nullptr;
  const TrpPropertyDescriptor* Property = nullptr;
  QString Name;
};

// The attribute text of `object`: ` Prefix+Name="value"` for each stored published property that
// differs from the ancestor (when given) or from its declared default, sub-objects with a dotted
// prefix ("Font.Style"), text lists as "Name.Text", a text object's ` Text="..."`, and pictures
// in ` PropData="..."` (hexadecimal). With `saveDefaults` every stored property is written.
QString rpObjToXML(const TrpPersistent& object, const QString& prefix = {},
                   const TrpPersistent* ancestor = nullptr, bool saveDefaults = false);

// Applies an attribute text to `object`: dotted names walk into sub-objects, the compact record
// names "l", "t", "w", "h", "u", "x" set geometry and text, references are queued in `fixups`.
// A value that cannot be applied adds a message to `errors` and the next attribute is read.
// In an `oldFormat` document, texts given as "u" are UTF-8 bytes.
void rpXMLToObj(const QString& text, TrpPersistent& object, QStringList* errors = nullptr,
                QList<TrpFixup>* fixups = nullptr, bool oldFormat = false);

// An attribute text read once and applied to any number of objects, as rpXMLToObj applies it: a
// prepared report's records repeat their source object's description for every copy. A value is
// converted from text once for the property it was last applied to.
class TrpAttributeList {
 public:
  explicit TrpAttributeList(const QString& text);
  void Apply(TrpPersistent& object, QStringList* errors = nullptr, QList<TrpFixup>* fixups = nullptr,
             bool oldFormat = false);

  struct Attribute {
    QStringList Segments;  // the dotted name
    QString Raw;           // the value as written
    QString Value;         // the value with the XML escapes resolved
    const TrpPropertyDescriptor* ConvertedFor = nullptr;
    std::optional<QVariant> Converted;
  };

 private:
  std::vector<Attribute> FAttributes;
};

// A collection written as a child element `name` of `parent` with one "item" element per item.
// With the items of the ancestor's collection (report inheritance), an item whose name an
// ancestor item has begins with ` InheritedName="..."` and holds only what differs from it.
void rpWriteCollection(const QList<const TrpPersistent*>& items, const QString& name,
                       TrpXMLItem& parent, const QList<const TrpPersistent*>& ancestorItems = {});
// Reads the items of a collection element: `add` appends a new item and returns it. In an
// inherited object `findInherited` gives the existing item of a name: an element with
// InheritedName updates that item, or is skipped when there is none. Every other element adds
// a new item.
template <class AddItem>
void rpReadCollection(const TrpXMLItem& element, AddItem add, QStringList* errors = nullptr,
                      const std::function<TrpPersistent*(const QString&)>& findInherited = {});
// The name of a collection item (its published "Name"), or empty.
QString rpCollectionItemName(const TrpPersistent& item);

// --- implementation of the template
#include "report/xml/xml_document.h"

template <class AddItem>
void rpReadCollection(const TrpXMLItem& element, AddItem add, QStringList* errors,
                      const std::function<TrpPersistent*(const QString&)>& findInherited) {
  for (int i = 0; i < element.Count(); ++i) {
    const TrpXMLItem& child = *element.Items(i);
    if (findInherited) {
      const QString inherited = child.Prop(QStringLiteral("InheritedName"));
      if (!inherited.isEmpty()) {
        if (TrpPersistent* existing = findInherited(inherited)) rpXMLToObj(child.Text(), *existing, errors);
        continue;
      }
    }
    TrpPersistent* item = add();
    if (item) rpXMLToObj(child.Text(), *item, errors);
  }
}
