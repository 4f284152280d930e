#pragma once
// The window system's key codes and shift states that dialog-page scripts receive in their key
// and mouse events (VK_RETURN, ssShift, mbLeft, ... of the scripts' window-system constants).
#include <Qt>

// The virtual-key code of a Qt key: letters and digits keep their upper-case character code;
// keys without a code give 0.
int rpVirtualKey(int qtKey);
// A TShiftState set as its bits: ssShift 0, ssAlt 1, ssCtrl 2, ssLeft 3, ssRight 4, ssMiddle 5,
// ssDouble 6.
int rpShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton,
                 bool doubleClick = false);
// A TMouseButton: mbLeft 0, mbRight 1, mbMiddle 2.
int rpMouseButton(Qt::MouseButton button);
