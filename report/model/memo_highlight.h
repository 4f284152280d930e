#pragma once
// TrpHighlight: a conditional look of a text object. When its Condition evaluates to true while
// the object is prepared, the object takes the highlight's font, fill and frame (each where the
// highlight asks for it) and its visibility, for that one output.
#include <QString>

#include <memory>
#include <vector>

#include "report/model/fill.h"
#include "report/model/persistent.h"

class TrpFont;
class TrpFrame;

class TrpHighlight : public TrpPersistent {
 public:
  // Applies font and fill, not the frame; the font is Arial 10 points in red.
  TrpHighlight();
  ~TrpHighlight() override;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Set by the preview's highlight command; never stored.
  bool Active() const { return FActive; }
  void SetActive(bool value) { FActive = value; }
  bool ApplyFont() const { return FApplyFont; }
  void SetApplyFont(bool value) { FApplyFont = value; }
  bool ApplyFill() const { return FApplyFill; }
  void SetApplyFill(bool value) { FApplyFill = value; }
  bool ApplyFrame() const { return FApplyFrame; }
  void SetApplyFrame(bool value) { FApplyFrame = value; }
  const QString& Condition() const { return FCondition; }
  void SetCondition(const QString& value) { FCondition = value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }

  TrpFont* Font() const { return FFont.get(); }
  void SetFont(const TrpFont& value);
  TrpFrame* Frame() const { return FFrame.get(); }
  void SetFrame(const TrpFrame& value);
  TrpCustomFill* Fill() const { return FFill.get(); }
  void SetFill(const TrpCustomFill& value);
  TrpFillType FillType() const { return FFill->FillType(); }
  void SetFillType(TrpFillType value);
  // The brush fill's background colour; clNone for the other fills. Setting changes a brush fill.
  TColor Color() const;
  void SetColor(TColor value);

 private:
  bool FActive = false;
  bool FApplyFont = true;
  bool FApplyFill = true;
  bool FApplyFrame = false;
  QString FCondition;
  bool FVisible = true;
  std::unique_ptr<TrpFont> FFont;
  std::unique_ptr<TrpFrame> FFrame;
  std::unique_ptr<TrpCustomFill> FFill;
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
