#pragma once
// TrpHighlight: a conditional look of a text object. When its Condition evaluates to true while
// the object is prepared, the object takes the highlight's font, fill and frame (each where the
// highlight asks for it) and its visibility, for that one output.
#include <QString>

#include <memory>
#include <vector>

#include "report/views/look_item.h"

class TrpHighlight : public TrpLookItem {
 public:
  // Applies font and fill, not the frame; the font is Arial 10 points in red.
  TrpHighlight();
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Set by the preview's highlight command; never stored.
  bool Active() const { return FActive; }
  void SetActive(bool value) { FActive = value; }
  const QString& Condition() const { return FCondition; }
  void SetCondition(const QString& value) { FCondition = value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }

  // The brush fill's background colour; clNone for the other fills. Setting changes a brush fill.
  TColor Color() const;
  void SetColor(TColor value);

 private:
  bool FActive = false;
  QString FCondition;
  bool FVisible = true;
};

// An ordered list of highlights that owns its items.
class TrpHighlightCollection {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TrpHighlight* Items(int index) const { return FItems.at(index).get(); }
  TrpHighlight* Add();
  void Clear() { FItems.clear(); }
  void Assign(const TrpHighlightCollection& other);

 private:
  std::vector<std::unique_ptr<TrpHighlight>> FItems;
};
