#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are stored as 0x00BBGGRR values; these are the ones the worksheet window uses.
namespace stroval {

constexpr quint32 clBtnFace = 0xF0F0F0;     // the face of buttons and panels
constexpr quint32 clBtnHighlight = 0xFFFFFF;  // lit edge of a raised bevel
constexpr quint32 clBtnShadow = 0xA0A0A0;     // shaded edge of a raised bevel
constexpr quint32 clWindowText = 0x000000;
constexpr quint32 clWhite = 0xFFFFFF;
constexpr quint32 clGray = 0x808080;
constexpr quint32 clBlue = 0xFF0000;
constexpr quint32 clNavy = 0x800000;
constexpr quint32 clAqua = 0xFFFF00;

// Turns a 0x00BBGGRR value into an opaque QColor.
inline QColor ColorFromBgr(quint32 bgr) {
  return QColor::fromRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace stroval
