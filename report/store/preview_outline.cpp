#include "report/store/preview_outline.h"

#include <algorithm>

#include "report/store/preview_pages.h"
#include "report/xml/xml_document.h"

namespace {

const QString kOutline = QStringLiteral("outline");

void shiftTree(TrpXMLItem* item, int delta) {
  item->SetProp(QStringLiteral("page"), QString::number(item->Prop(QStringLiteral("page")).toInt() + 1));
  item->SetProp(QStringLiteral("top"), QString::number(item->Prop(QStringLiteral("top")).toInt() + delta));
  for (int i = 0; i < item->Count(); ++i) shiftTree(item->Items(i), delta);
}

}  // namespace

TrpOutline::TrpOutline(TrpPreviewPages& pages) : TrpCustomOutline(pages), FPages(pages) {}

TrpXMLItem* TrpOutline::Element(bool create) const {
  TrpXMLItem* root = FPages.XMLDocument().Root();
  const int index = root->Find(kOutline);
  if (index >= 0) return root->Items(index);
  return create ? root->Add(kOutline) : nullptr;
}

TrpXMLItem* TrpOutline::Current() const {
  // The current item may have been removed with the pages it pointed at (ClearFirstPassPages,
  // Clear); the store sends the outline back to its root then.
  return FCurItem ? FCurItem : Element(false);
}

int TrpOutline::GetCount() const {
  const TrpXMLItem* current = Current();
  return current ? current->Count() : 0;
}

void TrpOutline::AddItem(const QString& text, int top) {
  TrpXMLItem* parent = FCurItem ? FCurItem : Element(true);
  TrpXMLItem* item = parent->Add(QStringLiteral("item"));
  item->SetProp(QStringLiteral("text"), text);
  item->SetProp(QStringLiteral("page"), QString::number(FPages.CurPage()));
  item->SetProp(QStringLiteral("top"), QString::number(top));
  FCurItem = item;
}

void TrpOutline::LevelDown(int index) {
  TrpXMLItem* current = Current();
  if (current && index >= 0 && index < current->Count()) FCurItem = current->Items(index);
}

void TrpOutline::LevelRoot() { FCurItem = nullptr; }

void TrpOutline::LevelUp() {
  if (!FCurItem) return;
  TrpXMLItem* parent = FCurItem->Parent();
  FCurItem = parent && parent != Element(false) ? parent : nullptr;
}

void TrpOutline::GetItem(int index, QString& text, int& page, int& top) const {
  const TrpXMLItem* current = Current();
  if (!current || index < 0 || index >= current->Count()) {
    text.clear(), page = 0, top = 0;
    return;
  }
  const TrpXMLItem* item = current->Items(index);
  text = item->Prop(QStringLiteral("text"));
  page = item->Prop(QStringLiteral("page")).toInt();
  top = item->Prop(QStringLiteral("top")).toInt();
}

void TrpOutline::ShiftItems(int from, int newTop) {
  TrpXMLItem* current = Current();
  if (!current || from + 1 >= current->Count() || from + 1 < 0) return;
  const int delta = newTop - current->Items(from + 1)->Prop(QStringLiteral("top")).toInt();
  for (int i = from + 1; i < current->Count(); ++i) shiftTree(current->Items(i), delta);
}

void TrpOutline::CutItems(int from) {
  TrpXMLItem* current = Current();
  if (!current) return;
  if (!FCut) FCut = std::make_unique<TrpXMLItem>();
  const int first = std::max(from + 1, 0);
  while (current->Count() > first) FCut->AddItem(current->Items(first));
}

void TrpOutline::PasteItems() {
  if (!FCut) return;
  TrpXMLItem* parent = FCurItem ? FCurItem : Element(true);
  while (FCut->Count() > 0) parent->AddItem(FCut->Items(0));
  FCut.reset();
}

int TrpOutline::GetCurPosition() const { return GetCount() - 1; }
