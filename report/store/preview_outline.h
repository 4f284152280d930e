#pragma once
// TrpOutline: the table of contents of the prepared pages, kept as the nested "item" elements of
// the document's "outline" element (text, page, top). Items are added at the current level; the
// engine descends into an item while the bands below it are shown.
#include <memory>

#include "report/objects/custom_outline.h"
#include "report/xml/xml_document.h"

class TrpPreviewPages;

class TrpOutline : public TrpCustomOutline {
 public:
  explicit TrpOutline(TrpPreviewPages& pages);

  int GetCount() const override;
  void AddItem(const QString& text, int top) override;
  void LevelDown(int index) override;
  void LevelRoot() override;
  void LevelUp() override;
  void GetItem(int index, QString& text, int& page, int& top) const override;
  void ShiftItems(int from, int newTop) override;
  void CutItems(int from) override;
  void PasteItems() override;
  int GetCurPosition() const override;

  // The "outline" element, created when `create` and absent.
  TrpXMLItem* Element(bool create) const;

 private:
  TrpXMLItem* Current() const;
  TrpPreviewPages& FPages;
  TrpXMLItem* FCurItem = nullptr;  // none: the outline's root level
  std::unique_ptr<TrpXMLItem> FCut;  // holds the items CutItems took until PasteItems
};
