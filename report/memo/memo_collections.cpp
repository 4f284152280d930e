// The nested "Formats" and "Highlights" collections of a text object with more than one format
// or highlight (one entry goes into DisplayFormat / Highlight instead), in the collection form of
// report files.
#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_report.h"
#include "report/objects/object_attributes.h"
#include "report/xml/xml_document.h"

namespace {

const QString kFormats = QStringLiteral("Formats");
const QString kHighlights = QStringLiteral("Highlights");

template <class Collection>
QList<const TrpPersistent*> itemsOf(const Collection& list) {
  QList<const TrpPersistent*> items;
  for (int i = 0; i < list.Count(); ++i) items << list.Items(i);
  return items;
}

template <class Collection>
void readCollection(Collection& list, const TrpXMLItem& element, TrpComponent& owner) {
  list.Clear();
  QStringList errors;
  rpReadCollection(element, [&list]() -> TrpPersistent* { return list.Add(); }, &errors);
  if (TrpCustomReport* report = owner.Report()) report->AddErrors(errors);
}

}  // namespace

void TrpCustomMemoView::WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const {
  (void)ancestor;
  if (FFormats->Count() > 1) rpWriteCollection(itemsOf(*FFormats), kFormats, item);
  if (FHighlights->Count() > 1) rpWriteCollection(itemsOf(*FHighlights), kHighlights, item);
}

bool TrpCustomMemoView::ReadNestedProperty(TrpXMLItem& item) {
  if (item.Name().compare(kFormats, Qt::CaseInsensitive) == 0) {
    readCollection(*FFormats, item, *this);
    return true;
  }
  if (item.Name().compare(kHighlights, Qt::CaseInsensitive) == 0) {
    readCollection(*FHighlights, item, *this);
    return true;
  }
  return false;
}
