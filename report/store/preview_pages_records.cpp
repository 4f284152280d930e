// Writing prepared pages: new pages, object records, cut and paste of records, and the questions
// the engine asks about the page being written.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/custom_engine.h"
#include "report/objects/float_text.h"
#include "report/options/engine_options.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"
#include "report/store/component_level_diff.h"

#include <cmath>

namespace {

const QString kCutted = QStringLiteral("cutted");

bool isFullPageName(const QString& name) {
  return name == QLatin1String("TrpReportPage") || name == QLatin1String("TrpDMPPage");
}

Extended floatProp(const TrpXMLItem& item, const QString& name, Extended fallback) {
  Extended value = fallback;
  if (item.PropExists(name) && rpTryStrToFloat(item.Prop(name), value)) return value;
  return fallback;
}

void shiftProp(TrpXMLItem& item, const QString& name, Extended by) {
  item.SetProp(name, rpFloatToStr(floatProp(item, name, 0) + by));
}

}  // namespace

// --- pages ---------------------------------------------------------------------------------------

void TrpPreviewPages::UnloadPagesBehind() {
  TrpXMLItem* pages = PagesElement();
  for (int i = pages->Count() - 2; i >= 0; --i) {
    TrpXMLItem* item = pages->Items(i);
    if (!item->Loaded()) break;
    FDoc.UnloadItem(item);  // the first two pages are not unloadable and stay
  }
  FXMLSize = 0;
}

void TrpPreviewPages::AddPage(TrpReportPage& page) {
  if (UseFileCache() && FXMLSize > qint64(Report().EngineOptions().MaxMemSize()) * 1024 * 1024)
    UnloadPagesBehind();
  SetCurPage(CurPage() + 1);
  TrpXMLItem* pages = PagesElement();
  if (CurPage() < pages->Count() && AddPageAction() != apAdd) return;  // written over
  int source = SourceIndexOf(page);
  if (source < 0) {
    AddSourcePage(page);  // a page that was never registered gets its source now
    source = SourceIndexOf(page);
  }
  TrpXMLItem* item = pages->Add(QStringLiteral("page") + QString::number(source));
  if (pages->Count() > 2) item->SetUnloadable(true);
  Report().InternalOnProgress(ptRunning, pages->Count());
  SetAddPageAction(apWriteOver);
  SetCurPage(pages->Count() - 1);
  IncLogicalPageNumber();
}

// --- records -------------------------------------------------------------------------------------

QString TrpPreviewPages::RecordText(TrpComponent& object, const TrpComponent* source, bool fullPage) const {
  if (!source || fullPage) return object.AllDiff(nullptr).trimmed();
  if (Engine() && !Engine()->FinalPass()) return rpComponentLevelDiff(object, *source).trimmed();
  if (object.rpComponentStyle().Has(csDefaultDiff))
    return (object.AllDiff(nullptr) + rpComponentLevelDiff(object, *source)).trimmed();
  return object.RecordDiff(*source);
}

void TrpPreviewPages::AddRecord(TrpXMLItem& parent, TrpComponent& object, bool fullPage) {
  if (!object.Visible() || !object.rpComponentStyle().Has(csPreviewVisible)) return;
  const TrpComponent* source = object.AliasName().isEmpty() ? nullptr : FDictionary.GetObject(object.AliasName());
  TrpXMLItem* record = parent.Add(source && !fullPage ? object.AliasName() : object.ClassName());
  record->SetText(RecordText(object, source, fullPage));
  FXMLSize += (record->Name().size() + record->Text().size()) * qint64(sizeof(QChar)) +
              qint64(sizeof(TrpXMLItem)) + 16;
  for (TrpComponent* child : object.Objects()) AddRecord(*record, *child, fullPage);
}

void TrpPreviewPages::AddObject(TrpComponent& object) {
  TrpXMLItem* page = CurPageItem();
  if (!page) return;
  AddRecord(*page, object, isFullPageName(page->Name()));
}

const TrpClassInfo* TrpPreviewPages::RecordClass(const TrpXMLItem& record) const {
  if (const TrpComponent* source = FDictionary.GetObject(record.Name())) return &source->ClassInfo();
  return rpFindClass(record.Name());
}

// A value of a record: its short attribute, else (records in full) the property, else the source
// object's value.
Extended TrpPreviewPages::RecordValue(const TrpXMLItem& record, const char* shortName, const char* longName) const {
  const QString shortKey = QLatin1String(shortName), longKey = QLatin1String(longName);
  if (record.PropExists(shortKey)) return floatProp(record, shortKey, 0);
  if (const TrpComponent* source = FDictionary.GetObject(record.Name())) {
    if (longKey == QLatin1String("Left")) return source->Left();
    if (longKey == QLatin1String("Top")) return source->Top();
    return source->Height();
  }
  return floatProp(record, longKey, 0);
}

Extended TrpPreviewPages::LowestBand(const TrpXMLItem& page, Extended columnPosition) const {
  Extended lowest = 0;
  for (int i = 0; i < page.Count(); ++i) {
    const TrpXMLItem& record = *page.Items(i);
    const TrpClassInfo* cls = RecordClass(record);
    if (!cls || !cls->InheritsFrom(TrpBand::StaticClassInfo())) continue;
    if (cls->InheritsFrom(TrpPageFooter::StaticClassInfo()) || cls->InheritsFrom(TrpOverlay::StaticClassInfo()))
      continue;
    if (columnPosition != 0 && std::fabs(RecordValue(record, "l", "Left") - columnPosition) >= 0.001L &&
        !cls->InheritsFrom(TrpPageHeader::StaticClassInfo()) && !cls->InheritsFrom(TrpReportTitle::StaticClassInfo()))
      continue;
    lowest = std::max(lowest, RecordValue(record, "t", "Top") + RecordValue(record, "h", "Height"));
  }
  return lowest;
}

Extended TrpPreviewPages::GetLastY(Extended columnPosition) const {
  const TrpXMLItem* page = CurPageItem();
  const Extended lowest = page ? LowestBand(*page, columnPosition) : 0;
  return lowest == 0 && FLastY > 0 ? FLastY : lowest;
}

bool TrpPreviewPages::BandExists(TrpBand& band) {
  const TrpXMLItem* page = CurPageItem();
  if (!page) return false;
  const bool pageFooter = band.ClassInfo().InheritsFrom(TrpPageFooter::StaticClassInfo());
  const bool columnFooter = band.ClassInfo().InheritsFrom(TrpColumnFooter::StaticClassInfo());
  for (int i = 0; i < page->Count(); ++i) {
    const TrpXMLItem& record = *page->Items(i);
    if (!band.AliasName().isEmpty() && record.Name() == band.AliasName()) return true;
    const TrpClassInfo* cls = (pageFooter || columnFooter) ? RecordClass(record) : nullptr;
    if (pageFooter && cls && cls->InheritsFrom(TrpPageFooter::StaticClassInfo())) return true;
    if (columnFooter && cls && cls->InheritsFrom(TrpColumnFooter::StaticClassInfo())) return true;
  }
  return false;
}

int TrpPreviewPages::GetCurPosition() const {
  const TrpXMLItem* page = CurPageItem();
  return page ? page->Count() : 0;
}

// --- cut and paste -------------------------------------------------------------------------------

void TrpPreviewPages::CutObjects(int position) {
  TrpXMLItem* page = CurPageItem();
  if (!page) return;
  TrpXMLItem* cutted = Element(kCutted, true);
  while (page->Count() > qMax(position, 0)) cutted->AddItem(page->Items(qMax(position, 0)));
}

void TrpPreviewPages::PasteObjects(Extended x, Extended y) {
  TrpXMLItem* cutted = Element(kCutted, false);
  if (!cutted) return;
  TrpXMLItem* page = CurPageItem();
  if (page && cutted->Count() > 0) {
    const TrpXMLItem& first = *cutted->Items(0);
    const Extended dx = x - floatProp(first, QStringLiteral("l"), 0);
    const Extended dy = y - floatProp(first, QStringLiteral("t"), 0);
    while (cutted->Count() > 0) {
      TrpXMLItem* record = cutted->Items(0);
      shiftProp(*record, QStringLiteral("l"), dx);
      shiftProp(*record, QStringLiteral("t"), dy);
      page->AddItem(record);
    }
  }
  delete cutted;
}

// --- columns -------------------------------------------------------------------------------------

void TrpPreviewPages::UpdatePageLastColumn(int column, bool reset, Extended columnPosition) {
  TrpXMLItem* page = CurPageItem();
  if (!page) return;
  if (reset) {
    page->DeleteProp(QStringLiteral("c"));
    page->DeleteProp(QStringLiteral("cp"));
    return;
  }
  page->SetProp(QStringLiteral("c"), QString::number(column));
  page->SetProp(QStringLiteral("cp"), rpFloatToStr(columnPosition));
}

bool TrpPreviewPages::GetLastColumnPos(int& column, Extended& columnPosition) const {
  const TrpXMLItem* page = CurPageItem();
  if (!page || !page->PropExists(QStringLiteral("c"))) return false;
  column = page->Prop(QStringLiteral("c")).toInt();
  columnPosition = floatProp(*page, QStringLiteral("cp"), 0);
  return true;
}
