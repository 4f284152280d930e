#pragma once
// TrpLookItem: a font, a frame and a fill, with flags saying which of the three a text object
// takes from it. Report styles and text highlights are both such looks.
#include <memory>

#include "report/objects/collection.h"
#include "report/views/fill.h"

class TrpFont;
class TrpFrame;

class TrpLookItem : public TrpCollectionItem {
 public:
  // A brush fill, a default frame and font; font and fill applied, the frame when asked.
  explicit TrpLookItem(bool applyFrame);
  ~TrpLookItem() override;

  TrpFont* Font() const { return FFont.get(); }
  void SetFont(const TrpFont& value);
  TrpFrame* Frame() const { return FFrame.get(); }
  void SetFrame(const TrpFrame& value);
  TrpCustomFill* Fill() const { return FFill.get(); }
  void SetFill(const TrpCustomFill& value);
  TrpFillType FillType() const { return FFill->FillType(); }
  void SetFillType(TrpFillType value);
  bool ApplyFont() const { return FApplyFont; }
  void SetApplyFont(bool value) { FApplyFont = value; }
  bool ApplyFill() const { return FApplyFill; }
  void SetApplyFill(bool value) { FApplyFill = value; }
  bool ApplyFrame() const { return FApplyFrame; }
  void SetApplyFrame(bool value) { FApplyFrame = value; }

 private:
  std::unique_ptr<TrpFont> FFont;
  std::unique_ptr<TrpFrame> FFrame;
  std::unique_ptr<TrpCustomFill> FFill;
  bool FApplyFont = true;
  bool FApplyFill = true;
  bool FApplyFrame;
};
