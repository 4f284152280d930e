// Source pages: copies of the template pages against which the records of prepared pages are
// written and read, with an alias in the dictionary for every copied object.
#include "report/store/preview_pages.h"

#include "report/memo/memo_view.h"
#include "report/objects/class_registry.h"
#include "report/objects/report_error.h"
#include "report/pages/band.h"
#include "report/pages/page.h"
#include "report/pages/report_page.h"
#include "report/store/xml_serializer.h"

#include <cmath>

namespace {

// Alias base: "b" for bands, else the lower-case first letter of the object's base name.
QString aliasBase(const TrpComponent& object) {
  if (object.InheritsFrom(TrpBand::StaticClassInfo())) return QStringLiteral("b");
  const QString base = object.BaseName();
  return base.isEmpty() ? QStringLiteral("o") : base.left(1).toLower();
}

QString sourceName(int pageIndex, const QString& objectName) {
  return QStringLiteral("Page") + QString::number(pageIndex) + u'.' + objectName;
}

TrpComponent* createLike(const TrpComponent& object, TrpComponent* parent) {
  TrpComponent* copy = rpCreateObject(object.ClassName(), parent);
  if (!copy) throw TrpError(QStringLiteral("Cannot find class ") + object.ClassName());
  return copy;
}

// Millimetres as the stored description of a page holds them: two decimals when fractional.
QString millimetres(Extended value) {
  if (std::fabs(value - std::round(value)) < 1e-9L) return QString::number(static_cast<long long>(std::llround(value)));
  return QString::asprintf("%2.2f", static_cast<double>(value));
}

}  // namespace

void TrpPreviewPages::SetDescription(const TrpComponent& copy) {
  FDescriptions.insert(&copy, copy.rpComponentStyle().Has(csDefaultDiff) && !copy.InheritsFrom(TrpPage::StaticClassInfo())
                                  ? copy.ClassName()
                                  : TrpXMLSerializer().WriteComponentStr(copy));
}

int TrpPreviewPages::SourceIndexOf(const TrpReportPage& page) const {
  for (size_t i = 0; i < FSourcePages.size(); ++i)
    if (FSourcePages[i]->OriginalComponent() == &page || FSourcePages[i].get() == &page) return static_cast<int>(i);
  for (size_t i = 0; i < FSourcePages.size(); ++i)
    if (rpSameName(FSourcePages[i]->Name(), page.Name())) return static_cast<int>(i);
  return -1;
}

void TrpPreviewPages::AddSourcePage(TrpReportPage& page) {
  TrpComponent* created = createLike(page, nullptr);
  std::unique_ptr<TrpReportPage> copy(dynamic_cast<TrpReportPage*>(created));
  if (!copy) {
    delete created;
    throw TrpError(QStringLiteral("Cannot use ") + page.ClassName() + QStringLiteral(" as a source page"));
  }
  copy->Assign(page);
  copy->SetName(page.Name());
  copy->SetOriginalComponent(&page);
  const int pageIndex = static_cast<int>(FSourcePages.size());
  SetDescription(*copy);
  TrpReportPage& target = *copy;
  FSourcePages.push_back(std::move(copy));
  for (TrpComponent* child : page.Objects()) CopySourceObject(*child, target, pageIndex);
}

void TrpPreviewPages::CopySourceObject(TrpComponent& object, TrpComponent& parentCopy, int pageIndex) {
  if (!object.rpComponentStyle().Has(csPreviewVisible)) {
    object.AddSourceObjects();  // it registers what it makes at run time itself
    return;
  }
  TrpComponent* copy = createLike(object, &parentCopy);
  copy->Assign(object);
  copy->SetrpComponentStyle(object.rpComponentStyle());  // how its records are written
  copy->SetName(object.Name());
  copy->SetOriginalComponent(&object);
  if (auto* memo = dynamic_cast<TrpCustomMemoView*>(copy)) {
    memo->SetDataSet(nullptr);
    memo->SetDataField(QString());
  }
  RegisterSourceObject(object, *copy, pageIndex);
  for (TrpComponent* child : object.Objects()) CopySourceObject(*child, *copy, pageIndex);
}

void TrpPreviewPages::RegisterSourceObject(TrpComponent& object, TrpComponent& copy, int pageIndex) {
  const QString alias = FDictionary.AddUnique(aliasBase(copy), sourceName(pageIndex, copy.Name()), &copy);
  SetDescription(copy);
  object.SetAliasName(alias);
  copy.SetAliasName(alias);
}

void TrpPreviewPages::AddToSourcePage(TrpComponent& object) {
  if (FSourcePages.empty()) return;
  const int pageIndex = static_cast<int>(FSourcePages.size()) - 1;
  TrpReportPage& page = *FSourcePages.back();
  // Under the copy of the object's parent when the parent was copied, else on the page.
  TrpComponent* parent = &page;
  if (TrpComponent* owner = object.Parent(); owner && !owner->AliasName().isEmpty())
    if (TrpComponent* parentCopy = FDictionary.GetObject(owner->AliasName())) parent = parentCopy;
  TrpComponent* copy = createLike(object, parent);
  copy->Assign(object);
  copy->SetrpComponentStyle(object.rpComponentStyle());
  const QString base = object.BaseName().isEmpty() ? QStringLiteral("Object") : object.BaseName();
  int number = 1;
  while (page.FindObject(base + QString::number(number))) ++number;
  copy->SetName(base + QString::number(number));
  RegisterSourceObject(object, *copy, pageIndex);
}

void TrpPreviewPages::UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) {
  const int index = SourceIndexOf(page);
  if (index < 0) return;
  TrpReportPage& source = *FSourcePages[index];
  const Extended paperWidth = width / rp01cm, paperHeight = height / rp01cm;
  source.SetSizeAndDimensions(256, paperWidth, paperHeight);
  // The stored description gets the same three values, at two decimals.
  const QString description = FDescriptions.value(&source);
  const int blank = description.indexOf(u' ');
  TrpXMLItem attributes;
  attributes.SetText(blank < 0 ? QString() : description.mid(blank + 1));
  attributes.SetProp(QStringLiteral("PaperSize"), QStringLiteral("256"));
  attributes.SetProp(QStringLiteral("PaperWidth"), millimetres(paperWidth));
  attributes.SetProp(QStringLiteral("PaperHeight"), millimetres(paperHeight));
  FDescriptions.insert(&source, source.ClassName() + u' ' + attributes.Text());
  ClearPageCache();
}
