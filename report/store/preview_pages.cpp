// The store's life cycle, its elements, passes and logical page numbers, anchors and pictures.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/objects/report_error.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/pages/report_page.h"
#include "report/store/hyperlink_url.h"
#include "report/store/preview_outline.h"
#include "report/views/picture_view.h"

#include <QBuffer>

namespace {

const QString kRoot = QStringLiteral("preparedreport");
const QString kPages = QStringLiteral("previewpages");
const QString kLogical = QStringLiteral("logicalpagenumbers");
const QString kAnchors = QStringLiteral("anchors");

}  // namespace

TrpPreviewPages::TrpPreviewPages(TrpReport& report)
    : TrpCustomPreviewPages(report), FOutline(std::make_unique<TrpOutline>(*this)) {
  OpenURL = [](const QUrl& url) { rpOpenURLWithSystem(url); };
  // A prepared report opened from a file reads its page index at once and each page's records
  // when the page is first needed.
  FDoc.SetLazyChildrenOf(QStringLiteral("previewpages"));
  Clear();
}

TrpPreviewPages::~TrpPreviewPages() {
  FLastObjectOver = nullptr;
  FLastObjectOverPage.reset();
  FPageCache.Clear();
  FPageCache.ReleaseRetired();
}

TrpCustomOutline* TrpPreviewPages::Outline() const { return FOutline.get(); }

// --- elements ------------------------------------------------------------------------------------

TrpXMLItem* TrpPreviewPages::Element(const QString& name, bool create) const {
  TrpXMLItem* root = FDoc.Root();
  const int index = root->Find(name);
  if (index >= 0) return root->Items(index);
  return create ? root->Add(name) : nullptr;
}

TrpXMLItem* TrpPreviewPages::PagesElement() const { return Element(kPages, true); }

TrpXMLItem* TrpPreviewPages::PageItem(int index) const {
  TrpXMLItem* pages = PagesElement();
  if (index < 0 || index >= pages->Count()) return nullptr;
  TrpXMLItem* item = pages->Items(index);
  // Every reader and writer of a page goes through here, so an unloaded page is always read back
  // before its records are looked at or changed.
  if (!item->Loaded()) {
    try {
      FDoc.LoadItem(item);
    } catch (const TrpInvalidXMLException&) {
      // Pages of a file are read as they are needed: a damaged one is found when it is reached.
      throw TrpError(QStringLiteral("Invalid file format: page %1 cannot be read").arg(index + 1));
    }
  }
  return item;
}

int TrpPreviewPages::GetCount() const { return PagesElement()->Count(); }

bool TrpPreviewPages::EngineRunning() const { return Engine() && Engine()->Running(); }

bool TrpPreviewPages::LastPassOfTwo() const {
  return Engine() && Report().EngineOptions().DoublePass() && Engine()->FinalPass();
}

bool TrpPreviewPages::UseFileCache() const { return Report().EngineOptions().UseFileCache(); }

// --- life cycle ----------------------------------------------------------------------------------

void TrpPreviewPages::Clear() {
  SetLoadedFromFile(false);
  ClearPageCache();
  FPageCache.ReleaseRetired();
  FOutline->LevelRoot();
  FDictionary.Clear();
  FDescriptions.clear();
  FReadDescriptions.Clear();
  FSourcePages.clear();
  FDoc.Clear();  // unloaded pages go, and with them the temporary file
  FDoc.Root()->SetName(kRoot);
  FDoc.SetAutoIndent(false);
  PagesElement();
  FPictureCache.Clear();
  SetCurPage(-1);
  FXMLSize = 0;
  FLastY = 0;
  FLogicalPageN = 0;
  FFirstPageIndex = -1;
  FFirstObjectIndex = 0;
  FFirstOutlineIndex = 0;
}

void TrpPreviewPages::Initialize() {
  const TrpEngineOptions& options = Report().EngineOptions();
  FPictureCache.SetUseFileCache(options.UseFileCache());
  FPictureCache.SetTempDir(options.TempDir());
  FDoc.SetTempDir(options.TempDir());
  Report().InternalOnProgressStart(ptRunning);
}

void TrpPreviewPages::Finish() {
  FLastY = 0;
  ClearPageCache();
  // The templates are restored after a run (freed and read again): the copies forget them.
  for (const auto& page : FSourcePages) {
    page->SetOriginalComponent(nullptr);
    for (TrpComponent* object : page->AllObjects()) object->SetOriginalComponent(nullptr);
  }
  Report().InternalOnProgressStop(ptRunning);
}

void TrpPreviewPages::ClearPageCache() {
  while (FPageCache.Count() > 0) DropCachedPage();
  FLastObjectOver = nullptr;
  FLastObjectOverPage.reset();
}

// --- passes and logical page numbers -------------------------------------------------------------

void TrpPreviewPages::BeginPass() {
  FFirstPageIndex = GetCount() - 1;
  const TrpXMLItem* last = PageItem(FFirstPageIndex);
  FFirstObjectIndex = last ? last->Count() : 0;
  const TrpXMLItem* outline = FOutline->Element(false);
  FFirstOutlineIndex = outline ? outline->Count() : 0;
  ResetLogicalPageNumber();
}

void TrpPreviewPages::ClearFirstPassPages() {
  ClearPageCache();
  if (FFirstPageIndex == -1) {
    TrpXMLItem* root = FDoc.Root();
    for (int i = 0; i < root->Count(); ++i) {
      TrpXMLItem* element = root->Items(i);
      if (element->Name() != kAnchors && element->Name() != kLogical) element->Clear();
    }
  } else {
    if (TrpXMLItem* first = PageItem(FFirstPageIndex))
      while (first->Count() > FFirstObjectIndex) delete first->Items(first->Count() - 1);
    TrpXMLItem* pages = PagesElement();
    while (pages->Count() > FFirstPageIndex + 1) delete pages->Items(pages->Count() - 1);
    if (TrpXMLItem* outline = FOutline->Element(false))
      while (outline->Count() > FFirstOutlineIndex) delete outline->Items(outline->Count() - 1);
  }
  FOutline->LevelRoot();
  FLogicalPageN = 0;
  SetCurPage(FFirstPageIndex);
  FXMLSize = 0;
}

void TrpPreviewPages::IncLogicalPageNumber() {
  if (LastPassOfTwo()) return;
  ++FLogicalPageN;
  Element(kLogical, true)->Add(QStringLiteral("page"))->SetProp(QStringLiteral("n"), QString::number(FLogicalPageN));
}

void TrpPreviewPages::ResetLogicalPageNumber() {
  if (LastPassOfTwo()) return;
  if (TrpXMLItem* numbers = Element(kLogical, false)) {
    for (int i = qMin(CurPage(), numbers->Count() - 1); i >= FFirstPageIndex + 1 && i >= 0; --i) {
      TrpXMLItem* page = numbers->Items(i);
      page->SetProp(QStringLiteral("t"), QString::number(FLogicalPageN));
      if (page->Prop(QStringLiteral("n")) == QLatin1String("1")) break;
    }
  }
  FLogicalPageN = 0;
}

int TrpPreviewPages::GetLogicalPageNo() const {
  const TrpXMLItem* numbers = Element(kLogical, false);
  if (numbers && CurPage() >= 0 && CurPage() < numbers->Count())
    return numbers->Items(CurPage())->Prop(QStringLiteral("n")).toInt();
  return CurPage() - FirstPage() + 1;
}

int TrpPreviewPages::GetLogicalTotalPages() const {
  const TrpXMLItem* numbers = Element(kLogical, false);
  if (numbers && CurPage() >= 0 && CurPage() < numbers->Count())
    return numbers->Items(CurPage())->Prop(QStringLiteral("t")).toInt();
  return (Engine() ? Engine()->TotalPages() : GetCount()) - FirstPage();
}

// --- anchors -------------------------------------------------------------------------------------

void TrpPreviewPages::AddAnchor(const QString& text) {
  TrpXMLItem* item = Element(kAnchors, true)->Add(QStringLiteral("item"));
  item->SetProp(QStringLiteral("text"), text);
  item->SetProp(QStringLiteral("page"), QString::number(CurPage()));
  const Extended top = Engine() ? Engine()->CurY() : 0;
  item->SetProp(QStringLiteral("top"), QString::number(static_cast<long long>(rpRound(top))));
}

void TrpPreviewPages::ShiftAnchors(int from, int newTop) {
  TrpXMLItem* anchors = Element(kAnchors, false);
  if (!anchors || from + 1 < 0 || from + 1 >= anchors->Count()) return;
  const int delta = newTop - anchors->Items(from + 1)->Prop(QStringLiteral("top")).toInt();
  for (int i = from + 1; i < anchors->Count(); ++i) {
    TrpXMLItem* item = anchors->Items(i);
    item->SetProp(QStringLiteral("page"), QString::number(item->Prop(QStringLiteral("page")).toInt() + 1));
    item->SetProp(QStringLiteral("top"), QString::number(item->Prop(QStringLiteral("top")).toInt() + delta));
  }
}

int TrpPreviewPages::AnchorTopAt(int index) const {
  const TrpXMLItem* anchors = Element(kAnchors, false);
  if (!anchors || index < 0 || index >= anchors->Count()) return 0;
  return anchors->Items(index)->Prop(QStringLiteral("top")).toInt();
}

int TrpPreviewPages::GetAnchorCurPosition() const {
  const TrpXMLItem* anchors = Element(kAnchors, false);
  return anchors ? anchors->Count() - 1 : -1;
}

int TrpPreviewPages::FindAnchor(const QString& text) const {
  const TrpXMLItem* anchors = Element(kAnchors, false);
  for (int i = anchors ? anchors->Count() - 1 : -1; i >= 0; --i)
    if (anchors->Items(i)->Prop(QStringLiteral("text")).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int TrpPreviewPages::GetAnchorPage(const QString& text) const {
  const int index = FindAnchor(text);
  if (index < 0) return 1;
  return Element(kAnchors, false)->Items(index)->Prop(QStringLiteral("page")).toInt() + 1;
}

int TrpPreviewPages::GetAnchorTop(const QString& text) const {
  const int index = FindAnchor(text);
  if (index < 0) return 0;
  return Element(kAnchors, false)->Items(index)->Prop(QStringLiteral("top")).toInt();
}

bool TrpPreviewPages::AnchorTarget(const QString& text, int& page, int& top) const {
  if (FindAnchor(text) < 0) return false;
  page = GetAnchorPage(text) - 1;
  top = GetAnchorTop(text);
  return true;
}

// --- pictures ------------------------------------------------------------------------------------

void TrpPreviewPages::AddPicture(TrpPictureView& picture) {
  const QByteArray bytes = picture.PictureData();
  picture.SetImageIndex(bytes.isEmpty() ? 0 : FPictureCache.AddPicture(bytes));
  picture.SetPictureChanged(false);
}

// --- output --------------------------------------------------------------------------------------

bool TrpPreviewPages::Print() {
  if (const auto& print = rpReportServices().PrintPreparedPages) return print(*this);
  Report().AddError(QStringLiteral("Cannot print: the print job is not available"));
  Report().ReportErrors();
  return false;
}

