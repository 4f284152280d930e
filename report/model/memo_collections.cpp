// The nested "Formats" and "Highlights" collections of a text object with more than one format
// or highlight: one "item" element per entry, whose attribute text holds the entry's published
// properties that differ from their defaults (sub-objects as "Font.Size" and so on), escaped as
// report files escape attribute values.
#include "report/model/class_info.h"
#include "report/model/memo_format.h"
#include "report/model/memo_highlight.h"
#include "report/model/memo_view.h"
#include "report/model/property_access.h"
#include "report/model/property_text.h"
#include "report/model/property_value.h"
#include "report/store/xml_document.h"
#include "report/store/xml_text.h"

namespace {

const QString kFormats = QStringLiteral("Formats");
const QString kHighlights = QStringLiteral("Highlights");

QString attributesOf(const TrpPersistent& object, const QString& prefix = {}) {
  QString text;
  for (const TrpPropertyDescriptor& d : object.ClassInfo().Properties()) {
    if (!d.IsStored(object)) continue;
    const QString name = prefix + QLatin1String(d.Name);
    if (d.Kind == TrpPropertyKind::Object) {
      if (const TrpPersistent* sub = d.Object(object)) text += attributesOf(*sub, name + u'.');
      continue;
    }
    if (d.Kind == TrpPropertyKind::Reference || d.Kind == TrpPropertyKind::Picture) continue;
    if (rpIsDefaultValue(object, d)) continue;
    text += u' ' + name + QLatin1String("=\"") + rpStrToXML(rpPropertyText(d, d.Get(object))) + u'"';
  }
  return text;
}

// Applies ` name="value"` pairs; names and values that do not fit are skipped.
void applyAttributes(TrpPersistent& object, const QString& text) {
  qsizetype i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i].isSpace()) ++i;
    const qsizetype equals = text.indexOf(u'=', i);
    if (equals < 0) return;
    const qsizetype open = text.indexOf(u'"', equals);
    const qsizetype close = open < 0 ? -1 : text.indexOf(u'"', open + 1);
    if (close < 0) return;
    const QString name = text.mid(i, equals - i).trimmed();
    const QString value = rpXMLToStr(text.mid(open + 1, close - open - 1));
    i = close + 1;
    const TrpPropertyRef ref = rpFindPropertyPath(object, name);
    if (!ref || ref.Property->IsReadOnly()) continue;
    if (const std::optional<QVariant> v = rpPropertyFromText(*ref.Property, value)) ref.Property->Set(*ref.Object, *v);
  }
}

template <class Collection>
void writeCollection(const Collection& list, const QString& name, TrpXMLItem& item) {
  TrpXMLItem* node = item.Add(name);
  for (int i = 0; i < list.Count(); ++i) node->Add(QStringLiteral("item"))->SetText(attributesOf(*list.Items(i)));
}

template <class Collection>
void readCollection(Collection& list, const TrpXMLItem& node) {
  list.Clear();
  for (int i = 0; i < node.Count(); ++i) applyAttributes(*list.Add(), node.Items(i)->Text());
}

}  // namespace

void TrpCustomMemoView::WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const {
  (void)ancestor;
  if (FFormats->Count() > 1) writeCollection(*FFormats, kFormats, item);
  if (FHighlights->Count() > 1) writeCollection(*FHighlights, kHighlights, item);
}

bool TrpCustomMemoView::ReadNestedProperty(TrpXMLItem& item) {
  if (item.Name().compare(kFormats, Qt::CaseInsensitive) == 0) {
    readCollection(*FFormats, item);
    return true;
  }
  if (item.Name().compare(kHighlights, Qt::CaseInsensitive) == 0) {
    readCollection(*FHighlights, item);
    return true;
  }
  return false;
}
