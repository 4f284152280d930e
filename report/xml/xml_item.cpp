#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"

#include <QIODevice>

TrpInvalidXMLException::TrpInvalidXMLException() : std::runtime_error("Invalid file format") {}

TrpXMLItem::TrpXMLItem() = default;

TrpXMLItem::~TrpXMLItem() {
  for (TrpXMLItem* child : FItems) {
    child->FParent = nullptr;
    delete child;
  }
  DetachFromParent();
}

void TrpXMLItem::DetachFromParent() {
  if (FParent) FParent->FItems.removeOne(this);
  FParent = nullptr;
}

TrpXMLItem* TrpXMLItem::Add() {
  auto* item = new TrpXMLItem;
  AddItem(item);
  return item;
}

TrpXMLItem* TrpXMLItem::Add(const QString& name) {
  TrpXMLItem* item = Add();
  item->FName = name;
  return item;
}

void TrpXMLItem::AddItem(TrpXMLItem* item) {
  item->DetachFromParent();
  FItems.append(item);
  item->FParent = this;
}

void TrpXMLItem::InsertItem(int index, TrpXMLItem* item) {
  item->DetachFromParent();
  FItems.insert(qBound(0, index, static_cast<int>(FItems.size())), item);
  item->FParent = this;
}

void TrpXMLItem::Clear() {
  const QList<TrpXMLItem*> children = std::move(FItems);
  FItems.clear();
  for (TrpXMLItem* child : children) {
    child->FParent = nullptr;
    delete child;
  }
  if (FUnloadable) FLoaded = false;
}

int TrpXMLItem::IndexOf(const TrpXMLItem* item) const {
  return FItems.indexOf(const_cast<TrpXMLItem*>(item));
}

int TrpXMLItem::Find(const QString& name) const {
  // Case folding keeps a text's length: names of other lengths are passed over at once, and the
  // name as written is mostly the name asked for. The store asks for its elements per record.
  for (int i = 0; i < FItems.size(); ++i) {
    const QString& mine = FItems[i]->FName;
    if (mine.size() == name.size() && (mine == name || mine.compare(name, Qt::CaseInsensitive) == 0)) return i;
  }
  return -1;
}

TrpXMLItem* TrpXMLItem::FindItem(const QString& name) {
  const int index = Find(name);
  return index >= 0 ? FItems[index] : Add(name);
}

TrpXMLItem* TrpXMLItem::Root() {
  TrpXMLItem* item = this;
  while (item->FParent) item = item->FParent;
  return item;
}

// Attributes are walked one by one (name, '=', quoted value) rather than found by a plain text
// search, so that "t" is not found inside "Height" and a name inside a value is never matched.
bool TrpXMLItem::LocateProp(const QString& name, int* start, int* valueStart, int* end) const {
  const QString& text = FText;
  int i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i].isSpace()) ++i;
    const int nameStart = i;
    while (i < text.size() && text[i] != u'=' && !text[i].isSpace()) ++i;
    if (i + 1 >= text.size() || text[i] != u'=' || text[i + 1] != u'"') return false;
    const QStringView attrName = QStringView(text).mid(nameStart, i - nameStart);
    const int valueBegin = i + 2;
    const int closing = text.indexOf(u'"', valueBegin);
    if (closing < 0) return false;
    if (attrName.compare(name, Qt::CaseInsensitive) == 0) {
      *start = nameStart;
      *valueStart = valueBegin;
      *end = closing + 1;
      return true;
    }
    i = closing + 1;
  }
  return false;
}

QString TrpXMLItem::Prop(const QString& name) const {
  int start, valueStart, end;
  if (!LocateProp(name, &start, &valueStart, &end)) return {};
  return rpXMLToStr(FText.mid(valueStart, end - 1 - valueStart));
}

bool TrpXMLItem::PropExists(const QString& name) const {
  int start, valueStart, end;
  return LocateProp(name, &start, &valueStart, &end);
}

void TrpXMLItem::SetProp(const QString& name, const QString& value) {
  const QString attribute = name + QLatin1String("=\"") + rpStrToXML(value) + QLatin1Char('"');
  int start, valueStart, end;
  if (LocateProp(name, &start, &valueStart, &end)) {
    FText.replace(start, end - start, attribute);
    return;
  }
  if (!FText.isEmpty() && !FText.endsWith(u' ')) FText += u' ';
  FText += attribute;
}

void TrpXMLItem::DeleteProp(const QString& name) {
  int start, valueStart, end;
  if (LocateProp(name, &start, &valueStart, &end)) FText.remove(start, end - start + 1);
}
