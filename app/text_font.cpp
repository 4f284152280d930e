#include "app/text_font.h"

#include <QPalette>
#include <QWidget>

namespace stroval {

TextFont FontOf(const QWidget* widget) {
  return {widget->font(), widget->palette().color(QPalette::WindowText)};
}

void SetFont(QWidget* widget, const TextFont& font) {
  widget->setFont(font.font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, font.color);  // labels and panels
  palette.setColor(QPalette::Text, font.color);        // edit boxes
  palette.setColor(QPalette::ButtonText, font.color);  // push buttons
  widget->setPalette(palette);
  widget->update();
}

QFont FontWithPixelHeight(const QString& family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace stroval
