#include "report/preview/virtual_keys.h"

namespace {

struct KeyCode {
  int Qt;
  int Virtual;
};

// Keys whose code is not their character.
constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},      {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},    {Qt::Key_Help, 47},     {Qt::Key_Meta, 91},     {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
};
constexpr int kFunctionKeys = 12;  // F1 (112) to F12 (123)

}  // namespace

int rpVirtualKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) return 112 + (qtKey - Qt::Key_F1);
  for (const KeyCode& key : kKeys)
    if (key.Qt == qtKey) return key.Virtual;
  return 0;
}

int rpShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
  int state = 0;
  if (modifiers & Qt::ShiftModifier) state |= 1 << 0;
  if (modifiers & Qt::AltModifier) state |= 1 << 1;
  if (modifiers & Qt::ControlModifier) state |= 1 << 2;
  if (buttons & Qt::LeftButton) state |= 1 << 3;
  if (buttons & Qt::RightButton) state |= 1 << 4;
  if (buttons & Qt::MiddleButton) state |= 1 << 5;
  if (doubleClick) state |= 1 << 6;
  return state;
}

int rpMouseButton(Qt::MouseButton button) {
  if (button == Qt::RightButton) return 1;
  if (button == Qt::MiddleButton) return 2;
  return 0;
}
