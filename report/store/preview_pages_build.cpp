// Reading prepared pages: a page is rebuilt from its records against the source objects and
// kept in the most-recently-used page cache.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_registry.h"
#include "report/objects/report_error.h"
#include "report/options/preview_options.h"
#include "report/pages/report_page.h"
#include "report/store/xml_serializer.h"
#include "report/views/picture_view.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

// "page" followed by up to five digits: the index of its source page; -1 for any other name.
int sourceIndexOfName(const QString& name) {
  static const QRegularExpression pattern(QStringLiteral("^page(\\d{1,5})$"));
  const QRegularExpressionMatch match = pattern.match(name);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::shared_ptr<TrpReportPage> newPage(const QString& className) {
  TrpComponent* created = rpCreateObject(className, nullptr);
  if (auto* page = dynamic_cast<TrpReportPage*>(created)) return std::shared_ptr<TrpReportPage>(page);
  delete created;
  return std::make_shared<TrpReportPage>(nullptr);  // text-mode pages are drawn as report pages
}

}  // namespace

TrpReportPage* TrpPreviewPages::GetPage(int index) { return GetPageShared(index).get(); }

std::shared_ptr<TrpReportPage> TrpPreviewPages::GetPageShared(int index) {
  if (index < 0 || index >= GetCount()) return {};
  // While the engine writes, a cached page may be out of date: always rebuild then.
  if (!EngineRunning())
    if (std::shared_ptr<TrpReportPage> cached = FPageCache.Find(index)) return cached;
  std::shared_ptr<TrpReportPage> page = BuildPage(index);
  page->AlignChildren();
  FPageCache.Add(index, page);
  const int limit = Report().PreviewOptions().PagesInCache();
  while (FPageCache.Count() > 1 && FPageCache.Count() > limit) DropCachedPage();
  FLastObjectOver = nullptr;
  FLastObjectOverPage.reset();
  return page;
}

void TrpPreviewPages::DropCachedPage() {
  const int index = FPageCache.DropLast();
  if (index < 0 || !UseFileCache()) return;
  TrpXMLItem* pages = PagesElement();
  if (index < pages->Count() && index != CurPage()) FDoc.UnloadItem(pages->Items(index));
}

std::shared_ptr<TrpReportPage> TrpPreviewPages::BuildPage(int index) {
  const TrpXMLItem& item = *PageItem(index);
  const int source = sourceIndexOfName(item.Name());
  if (source < 0) {
    // A page stored in full (ModifyPage, AddFrom): its whole tree is in the element.
    std::shared_ptr<TrpReportPage> page = newPage(item.Name());
    TrpXMLSerializer serializer;
    serializer.ReadRootComponent(*page, &item);
    Report().AddErrors(serializer.Errors());
    return page;
  }
  if (source >= SourcePageCount())
    throw TrpError(QStringLiteral("Invalid file format: page %1 names source page %2, which does not exist")
                       .arg(index + 1)
                       .arg(source));
  const TrpReportPage& sourcePage = *FSourcePages[source];
  std::shared_ptr<TrpReportPage> page = newPage(sourcePage.ClassName());
  page->Assign(sourcePage);
  page->SetName(sourcePage.Name());
  for (int i = 0; i < item.Count(); ++i) BuildRecord(*item.Items(i), *page);
  return page;
}

void TrpPreviewPages::BuildRecord(const TrpXMLItem& record, TrpComponent& parent) {
  TrpXMLSerializer serializer;
  TrpComponent* object = nullptr;
  if (const TrpComponent* source = FDictionary.GetObject(record.Name())) {
    // The source's description first: the record's attributes, read later, override it.
    TrpReadDescriptions::Description& description = FReadDescriptions.Get(source, FDescriptions.value(source));
    TrpAttributeList own(record.Text());
    object = serializer.ReadComponentAttributes(&parent, description.ClassName, {&description.Attributes, &own});
    if (object) {
      try {
        object->SetName(source->Name());
      } catch (const TrpError&) {
        // a name the page already has stays unnamed; the object is drawn all the same
      }
    }
  } else {
    object = serializer.ReadComponentStr(&parent, record.Name() + u' ' + record.Text());
  }
  Report().AddErrors(serializer.Errors());
  if (!object) return;  // a class this system does not know: skipped with its records
  if (auto* picture = dynamic_cast<TrpPictureView*>(object); picture && picture->ImageIndex() > 0) {
    QByteArray bytes = FPictureCache.GetPicture(picture->ImageIndex());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (bytes.isEmpty()) picture->ClearPicture();
    else picture->LoadPictureFromStream(buffer, true);
  }
  if (auto* memo = dynamic_cast<TrpCustomMemoView*>(object)) memo->ApplyPreviewHighlight();
  for (int i = 0; i < record.Count(); ++i) BuildRecord(*record.Items(i), *object);
}

QSizeF TrpPreviewPages::GetPageSize(int index) {
  if (index < 0 || index >= GetCount()) return {0, 0};
  const TrpXMLItem* pages = PagesElement();
  // A page written against a source page has the source's size: no need to build it.
  const int source = sourceIndexOfName(pages->Items(index)->Name());
  const TrpReportPage* page = source >= 0 && source < SourcePageCount() ? FSourcePages[source].get() : nullptr;
  std::shared_ptr<TrpReportPage> built;
  if (!page && source < 0) page = (built = GetPageShared(index)).get();
  if (!page) return {0, 0};
  return QSizeF(static_cast<double>(rpRound(page->PaperWidth() * rp01cm)),
                static_cast<double>(rpRound(page->PaperHeight() * rp01cm)));
}
