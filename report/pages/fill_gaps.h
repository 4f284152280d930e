#pragma once
// TrpFillGaps: how far a band's fill stays inside the band on each side (report units).
#include "report/objects/persistent.h"

class TrpFillGaps : public TrpPersistent {
 public:
  TrpFillGaps() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  int Top() const { return FTop; }
  void SetTop(int value) { FTop = value; }
  int Left() const { return FLeft; }
  void SetLeft(int value) { FLeft = value; }
  int Bottom() const { return FBottom; }
  void SetBottom(int value) { FBottom = value; }
  int Right() const { return FRight; }
  void SetRight(int value) { FRight = value; }

  void Assign(const TrpPersistent& source) override;

 private:
  int FTop = 0;
  int FLeft = 0;
  int FBottom = 0;
  int FRight = 0;
};
