#include "report/text/html_tags.h"

#include "report/text/color_names.h"
#include "report/units/report_units.h"

#include <cmath>

namespace {

enum class TagAction { StyleOn, StyleOff, Sub, Sup, SubSupOff, NoWrapOn, NoWrapOff, FontOff };

struct SimpleTag {
  const char* text;
  TagAction action;
  int style;
};

constexpr SimpleTag kSimpleTags[] = {
    {"<b>", TagAction::StyleOn, TrpTagStyle::Bold},
    {"<i>", TagAction::StyleOn, TrpTagStyle::Italic},
    {"<u>", TagAction::StyleOn, TrpTagStyle::Underline},
    {"</b>", TagAction::StyleOff, TrpTagStyle::Bold},
    {"</i>", TagAction::StyleOff, TrpTagStyle::Italic},
    {"</u>", TagAction::StyleOff, TrpTagStyle::Underline},
    {"<strike>", TagAction::StyleOn, TrpTagStyle::StrikeOut},
    {"</strike>", TagAction::StyleOff, TrpTagStyle::StrikeOut},
    {"<sub>", TagAction::Sub, 0},
    {"<sup>", TagAction::Sup, 0},
    {"</sub>", TagAction::SubSupOff, 0},
    {"</sup>", TagAction::SubSupOff, 0},
    {"<nowrap>", TagAction::NoWrapOn, 0},
    {"</nowrap>", TagAction::NoWrapOff, 0},
    {"</font>", TagAction::FontOff, 0},
};

const QLatin1String kFontColor("<font color=");

bool startsAt(const QString& line, int at, QLatin1String text) {
  return QStringView(line).mid(at, text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

// "\"#RRGGBB\"" as hexadecimal red-green-blue, or "cl" + value as a named colour.
std::optional<TColor> parseColorValue(QStringView value) {
  if (value.size() == 9 && value.startsWith(u"\"#") && value.endsWith(u'"')) {
    bool ok = false;
    const uint rgb = value.mid(2, 6).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
  }
  return rpColorFromName(QString(QLatin1String("cl")) + value.toString());
}

int roundHalfEven(double v) { return static_cast<int>(rpRound(v)); }

}  // namespace

bool TrpHTMLTag::SameFontAs(const TrpHTMLTag& other) const {
  return Size == other.Size && AddY == other.AddY && Style == other.Style && Color == other.Color &&
         SubType == other.SubType;
}

void TrpHTMLTagsList::Init(TColor defaultColor, int defaultSize, int defaultStyle) {
  FLines.clear();
  FDefaultColor = FColor = defaultColor;
  FDefaultSize = FSize = defaultSize;
  FDefaultStyle = FStyle = defaultStyle;
  FAddY = 0;
  FNoWrap = false;
  FSubType = ssNormal;
  FPosition = 1;
}

TrpHTMLTags& TrpHTMLTagsList::NewLine() {
  FLines.append(TrpHTMLTags());
  return FLines.last();
}

TrpHTMLTag TrpHTMLTagsList::CurrentTag() const {
  TrpHTMLTag tag;
  tag.Position = FPosition;
  tag.Size = FSize;
  tag.AddY = FAddY;
  tag.Style = FStyle;
  tag.Color = FColor;
  tag.DontWRAP = FNoWrap;
  tag.SubType = FSubType;
  tag.Small = FSize != FDefaultSize;
  return tag;
}

int TrpHTMLTagsList::ApplyTag(const QString& line, int at) {
  for (const auto& t : kSimpleTags) {
    const QLatin1String text(t.text);
    if (!startsAt(line, at, text)) continue;
    switch (t.action) {
      case TagAction::StyleOn: FStyle |= t.style; break;
      case TagAction::StyleOff: FStyle &= ~t.style; break;
      case TagAction::Sub:
      case TagAction::Sup:
        FSize = roundHalfEven(FDefaultSize / 1.5);
        FAddY = t.action == TagAction::Sub ? 1 : 0;
        FSubType = t.action == TagAction::Sub ? ssSubscript : ssSuperscript;
        break;
      case TagAction::SubSupOff:
        FSize = FDefaultSize;
        FAddY = 0;
        FSubType = ssNormal;
        break;
      case TagAction::NoWrapOn: FNoWrap = true; break;
      case TagAction::NoWrapOff: FNoWrap = false; break;
      case TagAction::FontOff: FColor = FDefaultColor; break;
    }
    return text.size();
  }
  if (startsAt(line, at, kFontColor)) {
    const int valueStart = at + kFontColor.size();
    const int close = line.indexOf(u'>', valueStart);
    if (close < 0) return 0;
    const auto color = parseColorValue(QStringView(line).mid(valueStart, close - valueStart));
    if (!color) return 0;
    FColor = *color;
    return close + 1 - at;
  }
  return 0;
}

QString TrpHTMLTagsList::StripTags(const QString& line, TrpHTMLTags* tags) {
  QString out;
  out.reserve(line.size());
  // The first character starts a change of font when the state differs from the object's font.
  TrpHTMLTag previous;
  previous.Size = FDefaultSize;
  previous.Style = FDefaultStyle;
  previous.Color = FDefaultColor;
  for (int i = 0; i < line.size();) {
    if (FAllowTags && line[i] == u'<') {
      if (const int length = ApplyTag(line, i)) {
        i += length;
        FPosition += length;
        continue;
      }
    }
    TrpHTMLTag tag = CurrentTag();
    tag.Default = !FAllowTags || tag.SameFontAs(previous);
    if (tags) tags->append(tag);
    previous = tag;
    out += line[i];
    ++i;
    ++FPosition;
  }
  return out;
}

QString TrpHTMLTagsList::ExpandHTMLTags(const QString& line) {
  if (FLines.isEmpty()) NewLine();
  TrpHTMLTags& tags = FLines.last();
  QString out = StripTags(line, &tags);
  if (out.isEmpty()) {
    tags.append(CurrentTag());
    out = QStringLiteral(" ");
  }
  return out;
}

QString TrpHTMLTagsList::RestoringTags(const TrpHTMLTag& tag) {
  const auto rgb = static_cast<std::uint32_t>(tag.Color);
  const uint r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
  const QString hex = QStringLiteral("%1%2%3")
                          .arg(r, 2, 16, QLatin1Char('0'))
                          .arg(g, 2, 16, QLatin1Char('0'))
                          .arg(b, 2, 16, QLatin1Char('0'))
                          .toUpper();
  QString tags = QLatin1String("<font color=\"#") + hex + QLatin1String("\">");
  if (tag.SubType == ssSuperscript) tags += QLatin1String("<sup>");
  if (tag.SubType == ssSubscript) tags += QLatin1String("<sub>");
  if (tag.Style & TrpTagStyle::Underline) tags += QLatin1String("<u>");
  if (tag.Style & TrpTagStyle::Italic) tags += QLatin1String("<i>");
  if (tag.Style & TrpTagStyle::Bold) tags += QLatin1String("<b>");
  return tags;
}

QString DeleteTags(const QString& text) {
  TrpHTMLTagsList list;
  return list.StripTags(text, nullptr);
}
