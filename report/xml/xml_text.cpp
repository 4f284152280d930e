#include "report/xml/xml_text.h"

#include <algorithm>

namespace {

// Longest run of digits a character reference may carry: U+10FFFF is 1114111.
constexpr int kMaxReferenceDigits = 7;
constexpr int kMaxHexReferenceDigits = 6;  // 10FFFF
constexpr char32_t kMaxCodePoint = 0x10FFFF;

const char* referenceFor(QChar ch) {
  switch (ch.unicode()) {
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    case '"': return "&#34;";
    case '&': return "&#38;";
    case '<': return "&#60;";
    case '>': return "&#62;";
    default: return nullptr;
  }
}

// The value of an ASCII digit of `base` (10 or 16), or -1.
int digitOf(QChar ch, int base) {
  const char16_t c = ch.unicode();
  const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                    : c >= u'a' && c <= u'f' ? c - u'a' + 10
                    : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                             : -1;
  return digit < base ? digit : -1;
}

// Reads "&#N;" (decimal) or "&#xH;" (hexadecimal, as other XML tools write) at `pos`. On success
// appends the character and returns the length consumed; returns 0 when the reference cannot be
// read, so the caller keeps the text literally.
int decodeNumericReference(const QString& text, int pos, QString& out) {
  int i = pos + 2;
  const bool hex = i < text.size() && (text[i] == u'x' || text[i] == u'X');
  if (hex) ++i;
  const int base = hex ? 16 : 10;
  const int maxDigits = hex ? kMaxHexReferenceDigits : kMaxReferenceDigits;
  char32_t code = 0;
  int digits = 0;
  while (i < text.size()) {
    const int digit = digitOf(text[i], base);
    if (digit < 0) break;
    if (++digits > maxDigits) return 0;
    code = code * base + static_cast<char32_t>(digit);
    ++i;
  }
  if (digits == 0 || i >= text.size() || text[i] != u';' || code > kMaxCodePoint) return 0;
  if (QChar::requiresSurrogates(code)) {
    out += QChar(QChar::highSurrogate(code));
    out += QChar(QChar::lowSurrogate(code));
  } else {
    out += QChar(static_cast<char16_t>(code));
  }
  return i + 1 - pos;
}

// A surrogate that is not half of a pair (a shifted password may hold one).
bool loneSurrogate(const QString& text, int i) {
  const QChar ch = text[i];
  if (ch.isHighSurrogate()) return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
  if (ch.isLowSurrogate()) return i == 0 || !text[i - 1].isHighSurrogate();
  return false;
}

struct NamedEntity {
  const char16_t* text;
  int length;
  QChar ch;
};

constexpr NamedEntity kNamedEntities[] = {
    {u"&quot;", 6, u'"'},
    {u"&amp;", 5, u'&'},
    {u"&lt;", 4, u'<'},
    {u"&gt;", 4, u'>'},
    {u"&apos;", 6, u'\''},  // written by other XML tools
};

}  // namespace

QString rpStrToXML(const QString& text) {
  // Most texts (every recorded text object's) need no reference: they are returned as they are.
  const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar ch) {
    return ch.unicode() == 0 || ch.isSurrogate() || referenceFor(ch) != nullptr;
  });
  if (plain) return text;
  QString out;
  out.reserve(text.size() + 16);
  const bool shortText = text.size() <= 31;
  for (int i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch == u'&' && QStringView(text).mid(i, 6) == u"&quot;") {
      out += u"&#34;";
      i += 5;
    } else if (ch.unicode() == 0) {
      out += shortText ? QStringLiteral("&#0;") : QStringLiteral(" ");
    } else if (const char* ref = referenceFor(ch)) {
      out += QLatin1String(ref);
    } else if (loneSurrogate(text, i)) {
      // Half of a pair cannot be written as UTF-8; as a reference it reads back unchanged.
      out += QStringLiteral("&#%1;").arg(ch.unicode());
    } else {
      out += ch;
    }
  }
  return out;
}

QString rpXMLToStr(const QString& text) {
  if (!text.contains(u'&')) return text;
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] != u'&' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    if (text[i + 1] == u'#') {
      if (int used = decodeNumericReference(text, i, out)) {
        i += used - 1;
        continue;
      }
    } else {
      bool matched = false;
      for (const auto& entity : kNamedEntities) {
        if (QStringView(text).mid(i, entity.length) == QStringView(entity.text, entity.length)) {
          out += entity.ch;
          i += entity.length - 1;
          matched = true;
          break;
        }
      }
      if (matched) continue;
    }
    out += text[i];
  }
  return out;
}
