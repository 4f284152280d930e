#include "report/text/color_names.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr TColor systemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index)); }

struct NamedColor {
  const char* name;
  TColor value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},      {"clGreen", 0x008000},
    {"clOlive", 0x008080},      {"clNavy", 0x800000},        {"clPurple", 0x800080},
    {"clTeal", 0x808000},       {"clGray", 0x808080},        {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},        {"clLime", 0x00FF00},        {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF},     {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},      {"clMoneyGreen", 0xC0DCC0},  {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},      {"clMedGray", 0xA4A0A0},     {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", systemColor(0)},        {"clBackground", systemColor(1)},
    {"clActiveCaption", systemColor(2)},    {"clInactiveCaption", systemColor(3)},
    {"clMenu", systemColor(4)},             {"clWindow", systemColor(5)},
    {"clWindowFrame", systemColor(6)},      {"clMenuText", systemColor(7)},
    {"clWindowText", systemColor(8)},       {"clCaptionText", systemColor(9)},
    {"clActiveBorder", systemColor(10)},    {"clInactiveBorder", systemColor(11)},
    {"clAppWorkSpace", systemColor(12)},    {"clHighlight", systemColor(13)},
    {"clHighlightText", systemColor(14)},   {"clBtnFace", systemColor(15)},
    {"clBtnShadow", systemColor(16)},       {"clGrayText", systemColor(17)},
    {"clBtnText", systemColor(18)},         {"clInactiveCaptionText", systemColor(19)},
    {"clBtnHighlight", systemColor(20)},    {"cl3DDkShadow", systemColor(21)},
    {"cl3DLight", systemColor(22)},         {"clInfoText", systemColor(23)},
    {"clInfoBk", systemColor(24)},
};

// Qt palette roles standing in for the system colours, by system colour index.
QColor systemColorValue(int index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 5: return palette.color(QPalette::Base);
    case 7: case 8: return palette.color(QPalette::Text);
    case 9: case 14: return palette.color(QPalette::HighlightedText);
    case 13: return palette.color(QPalette::Highlight);
    case 16: return palette.color(QPalette::Dark);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);
    case 21: return palette.color(QPalette::Shadow);
    case 22: return palette.color(QPalette::Midlight);
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Button);
  }
}

}  // namespace

QList<QPair<QString, TColor>> rpNamedColors() {
  QList<QPair<QString, TColor>> colors;
  for (const NamedColor& c : kColors) colors.append({QString::fromLatin1(c.name), c.value});
  return colors;
}

std::optional<TColor> rpColorFromName(QStringView name) {
  for (const auto& c : kColors)
    if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) return c.value;
  return std::nullopt;
}

QString rpColorName(TColor color) {
  for (const auto& c : kColors)
    if (c.value == color) return QString::fromLatin1(c.name);
  return {};
}

QColor rpToQColor(TColor color) {
  if (rpIsSystemColor(color)) return systemColorValue(color & 0xFF);
  const auto rgb = static_cast<std::uint32_t>(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
