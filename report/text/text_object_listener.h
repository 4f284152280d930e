#pragma once
// A paint device that keeps the text drawn on it must know which characters make up one text
// object: the text machine places every character on its own, so the characters of two
// neighbouring objects (two cells side by side) would otherwise read as one text. The machine
// tells a device that implements this interface where each object's drawing begins and ends.
class TrpTextObjectListener {
 public:
  virtual ~TrpTextObjectListener() = default;
  virtual void BeginTextObject() = 0;
  virtual void EndTextObject() = 0;
};
