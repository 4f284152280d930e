#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// A control's font as the window handles it: face, size and style together with the colour of
// the text. Qt keeps the colour in the widget's palette rather than in QFont, so copying "the
// font" of one control into another copies both.
namespace stroval {

struct TextFont {
  QFont font;
  QColor color;
};

TextFont FontOf(const QWidget* widget);
void SetFont(QWidget* widget, const TextFont& font);

// A font of the given face with a height in pixels (the stored window gives heights, not sizes).
QFont FontWithPixelHeight(const QString& family, int pixels);

}  // namespace stroval
