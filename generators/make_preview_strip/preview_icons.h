#pragma once
// The 25 pictures of the preview tool bar, painted at 16 x 16 on the strip's background colour.
#include <QColor>
#include <QImage>

constexpr int kIconSize = 16;
constexpr int kIconCount = 25;
const QColor kBackground(192, 192, 192);  // made transparent when the strip is cut into tiles

// The whole strip: kIconCount pictures side by side, index 0 at the left.
QImage paintPreviewStrip();
