#include "report/text/font_substitutions.h"

#include <QStringList>

namespace stroval {

namespace {

QString Escaped(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }

}  // namespace

QString FontconfigSubstitutions() {
  QString text = QStringLiteral(
      "<?xml version=\"1.0\"?>\n"
      "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
      "<!-- Written by the Stroval build from the program's own substitution table. -->\n"
      "<fontconfig>\n"
      "  <description>Stroval: font names of stored reports mapped to installed faces of the same kind</description>\n");
  for (const FontSubstitution& s : FontSubstitutions()) {
    // "accept" puts the faces after any preference the system already has for the name.
    text += QStringLiteral("  <alias binding=\"same\">\n    <family>%1</family>\n    <accept>\n").arg(Escaped(s.family));
    for (const char* const* face = s.substitutes; *face; ++face)
      text += QStringLiteral("      <family>%1</family>\n").arg(Escaped(*face));
    text += QStringLiteral("    </accept>\n  </alias>\n");
  }
  text += QStringLiteral("</fontconfig>\n");
  return text;
}

}  // namespace stroval
