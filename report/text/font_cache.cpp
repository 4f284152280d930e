#include "report/text/font_cache.h"

#include "report/text/html_tags.h"
#include "report/units/report_units.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <memory>
#include <unordered_map>

namespace {

struct FontKey {
  QString family;
  int pixelSize;
  int style;
  bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0) {
  return qHashMulti(seed, key.family, key.pixelSize, key.style);
}

struct CachedFont {
  QFont font;
  QFontMetricsF metrics;
  QHash<char32_t, int> advances;
  std::unordered_map<char32_t, TrpCharGlyphs> glyphs;  // nodes stay put: references are handed out
  explicit CachedFont(const QFont& f) : font(f), metrics(f) {}
};

QMutex cacheMutex;

// Whether `text[index]` starts a surrogate pair, and the character code there.
bool isPair(const QString& text, int index) {
  return text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate();
}
char32_t codeAt(const QString& text, int index) {
  return isPair(text, index) ? QChar::surrogateToUcs4(text[index], text[index + 1]) : text[index].unicode();
}

CachedFont& cached(const QString& family, int pixelSize, int style) {
  static QHash<FontKey, std::shared_ptr<CachedFont>> fonts;
  const FontKey key{family, pixelSize, style};
  auto it = fonts.find(key);
  if (it != fonts.end()) return **it;
  QFont font(family);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(style & TrpTagStyle::Bold);
  font.setItalic(style & TrpTagStyle::Italic);
  font.setUnderline(style & TrpTagStyle::Underline);
  font.setStrikeOut(style & TrpTagStyle::StrikeOut);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return *fonts.insert(key, std::make_shared<CachedFont>(font)).value();
}

}  // namespace

namespace TrpFontCache {

QFont Font(const QString& family, int pixelSize, int style) {
  QMutexLocker lock(&cacheMutex);
  return cached(family, pixelSize, style).font;
}

int Advance(const QString& family, int pixelSize, int style, const QString& text, int index) {
  const QChar ch = text[index];
  if (ch.isLowSurrogate() && index > 0 && text[index - 1].isHighSurrogate()) return 0;
  const bool pair = isPair(text, index);
  const char32_t code = codeAt(text, index);
  QMutexLocker lock(&cacheMutex);
  CachedFont& font = cached(family, pixelSize, style);
  auto it = font.advances.constFind(code);
  if (it != font.advances.constEnd()) return *it;
  const qreal advance = font.metrics.horizontalAdvance(pair ? text.mid(index, 2) : QString(ch));
  const int whole = static_cast<int>(rpRound(advance));
  font.advances.insert(code, whole);
  return whole;
}

const TrpCharGlyphs& Glyphs(const QString& family, int pixelSize, int style, const QString& text, int index) {
  const char32_t code = codeAt(text, index);
  QMutexLocker lock(&cacheMutex);
  CachedFont& font = cached(family, pixelSize, style);
  auto it = font.glyphs.find(code);
  if (it == font.glyphs.end())
    it = font.glyphs.emplace(code, rpShapeCharacter(font.font, text.mid(index, isPair(text, index) ? 2 : 1))).first;
  return it->second;
}

qreal Ascent(const QString& family, int pixelSize, int style) {
  QMutexLocker lock(&cacheMutex);
  return cached(family, pixelSize, style).metrics.ascent();
}

}  // namespace TrpFontCache
