#pragma once
// TrpStretcheable: the base of objects the band layout engine may stretch to their content
// (text objects, lines). It adds the stretch mode, the engine's scratch values, and the hooks
// through which the engine measures an object and splits it across pages.
#include "report/views/view.h"

enum TrpStretchMode { smDontStretch, smActualHeight, smMaxHeight };
extern const TrpEnumType rpStretchModeType;

class TrpStretcheable : public TrpView {
 public:
  explicit TrpStretcheable(TrpComponent* owner) : TrpView(owner) {}

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TrpStretchMode StretchMode() const { return FStretchMode; }
  void SetStretchMode(TrpStretchMode value) { FStretchMode = value; }

  // The height the object needs for its content; here its current height.
  virtual Extended CalcHeight() { return Height(); }
  // Draws as much as fits into the object's height and returns what remained; nothing here.
  virtual Extended DrawPart() { return 0; }
  // Prepares the object for drawing in parts.
  virtual void InitPart() {}
  // True while the part of the object still to come does not fit into `freeSpace`.
  virtual bool HasNextDataPart(Extended freeSpace) const { return freeSpace < Top() + FSaveHeight; }

  // Scratch values of the band layout engine: the height before splitting, and the top before
  // shifting.
  Extended FSaveHeight = 0;
  Extended FSavedTop = 0;

 private:
  TrpStretchMode FStretchMode = smDontStretch;
};
