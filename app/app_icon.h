#pragma once
// The program's icon: a sheet of paper with one practice cell, its cross of guide lines and the
// brush strokes of 大 in ink. It is described once, as shapes on a square of 256 units, and drawn
// from that description with QPainter (the PNG sizes desktops want, the window icon) or written
// as SVG, so every size shows the same picture.
#include <QIcon>
#include <QImage>
#include <QString>

namespace stroval {

// The sizes of the icon's pictures in the icon theme, in pixels.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// The icon drawn on a transparent square of `size` pixels.
QImage PaintAppIcon(int size);

// The icon as a scalable SVG document.
QString AppIconSvg();

// Every size of the icon, for the windows' title bars.
QIcon AppIcon();

}  // namespace stroval
