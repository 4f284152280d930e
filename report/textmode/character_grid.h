#pragma once
// TrpOnCharacterGrid: a report object whose position and size always lie on the character grid
// of a text-mode page: left and width in whole columns, top and height in whole rows. Every way
// a value arrives (a report file, a prepared record, the engine moving the object, a script)
// goes through these setters, so the object can never fall between cells.
#include "report/objects/text_mode.h"

template <class Base>
class TrpOnCharacterGrid : public Base {
 public:
  using Base::Base;
  void SetLeft(Extended value) override { Base::SetLeft(rpSnapToColumns(value)); }
  void SetTop(Extended value) override { Base::SetTop(rpSnapToRows(value)); }
  void SetWidth(Extended value) override { Base::SetWidth(rpSnapToColumns(value)); }
  void SetHeight(Extended value) override { Base::SetHeight(rpSnapToRows(value)); }
};
