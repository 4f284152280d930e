// Editing prepared pages from the preview: empty pages, deleting, replacing a page by a page
// stored in full, and appending the pages of another report.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/pages/report_page.h"
#include "report/store/preview_outline.h"
#include "report/store/xml_serializer.h"
#include "report/xml/xml_text.h"

namespace {

const QString kAnchors = QStringLiteral("anchors");

// `page` with its whole tree as one element named by its class.
void writePageInFull(const TrpReportPage& page, TrpXMLItem& item) {
  TrpXMLSerializer serializer;
  serializer.WriteRootComponent(page, true, false, &item);
  item.SetText((QLatin1String("Name=\"") + rpStrToXML(page.Name()) + QLatin1String("\" ") + item.Text()).trimmed());
}

void copyOutline(const TrpXMLItem& from, TrpXMLItem& to, int pageOffset) {
  for (int i = 0; i < from.Count(); ++i) {
    const TrpXMLItem& source = *from.Items(i);
    TrpXMLItem* item = to.Add(source.Name());
    item->SetText(source.Text());
    item->SetProp(QStringLiteral("page"), QString::number(source.Prop(QStringLiteral("page")).toInt() + pageOffset));
    copyOutline(source, *item, pageOffset);
  }
}

}  // namespace

void TrpPreviewPages::AddEmptyPage(int index) {
  if (index < 0 || index >= GetCount()) return;
  TrpXMLItem* pages = PagesElement();
  auto* item = new TrpXMLItem;
  item->SetName(pages->Items(index)->Name());
  pages->InsertItem(index, item);
  ClearPageCache();
}

void TrpPreviewPages::DeletePage(int index) {
  if (GetCount() < 2 || index < 0 || index >= GetCount()) return;
  delete PagesElement()->Items(index);
  if (CurPage() >= GetCount()) SetCurPage(GetCount() - 1);
  ClearPageCache();
}

void TrpPreviewPages::ModifyPage(int index, TrpReportPage& page) {
  if (index < 0 || index >= GetCount()) return;
  auto* item = new TrpXMLItem;
  writePageInFull(page, *item);  // before the cache lets go of `page`, which may be a cached one
  TrpXMLItem* pages = PagesElement();
  delete pages->Items(index);
  pages->InsertItem(index, item);
  ClearPageCache();
}

void TrpPreviewPages::AddFrom(TrpReport& report) {
  auto* other = dynamic_cast<TrpPreviewPages*>(report.PreviewPages());
  if (!other || other == this) return;
  const int offset = GetCount();
  TrpXMLItem* pages = PagesElement();
  for (int i = 0; i < other->GetCount(); ++i) {
    std::shared_ptr<TrpReportPage> page = other->GetPageShared(i);
    writePageInFull(*page, *pages->Add(QString()));
  }
  if (const TrpXMLItem* anchors = other->Element(kAnchors, false))
    copyOutline(*anchors, *Element(kAnchors, true), offset);
  if (const TrpXMLItem* outline = other->FOutline->Element(false))
    copyOutline(*outline, *FOutline->Element(true), offset);
  if (const TrpXMLItem* last = other->PageItem(other->GetCount() - 1)) FLastY = other->LowestBand(*last, 0);
  SetCurPage(GetCount() - 1);
  ClearPageCache();
}
