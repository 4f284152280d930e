#include "report/text/draw_text.h"

#include "report/text/color_names.h"
#include "report/text/font_cache.h"
#include "report/text/glyph_runs.h"
#include "report/text/reading_order.h"
#include "report/text/spread_correction.h"
#include "report/text/syllable_breaks.h"
#include "report/text/text_object_listener.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <mutex>
#include <numbers>
#include <numeric>

namespace {

std::recursive_mutex& globalLock() {
  static std::recursive_mutex lock;
  return lock;
}

int roundI(Extended v) { return static_cast<int>(rpRound(v)); }

// Windows-style rectangle edges: right and bottom are exclusive.
int rightOf(const QRect& r) { return r.x() + r.width(); }
int bottomOf(const QRect& r) { return r.y() + r.height(); }

bool isSideways(int rotation) {
  return (rotation >= 90 && rotation <= 179) || (rotation >= 270 && rotation <= 359);
}

constexpr Extended kDegree = std::numbers::pi_v<long double> / 180;

bool isBlank(QChar c) { return c.unicode() == 32 || c.unicode() == 160; }

// Tells a listening device that the lines drawn while it lives belong to one text object.
class TextObjectScope {
 public:
  explicit TextObjectScope(const QPainter* canvas)
      : FListener(dynamic_cast<TrpTextObjectListener*>(canvas->device())) {
    if (FListener) FListener->BeginTextObject();
  }
  ~TextObjectScope() {
    if (FListener) FListener->EndTextObject();
  }
  TextObjectScope(const TextObjectScope&) = delete;
  TextObjectScope& operator=(const TextObjectScope&) = delete;

 private:
  TrpTextObjectListener* FListener;
};

// Whether the device takes characters as glyph runs: one that keeps only glyphs (PDF). Devices
// that read the characters back (text recordings, print records) get each one by drawText.
bool takesGlyphRuns(const QPainter* canvas) {
  return !TrpDrawText::CharacterCalls && canvas->paintEngine() && canvas->paintEngine()->type() == QPaintEngine::Pdf;
}

}  // namespace

// Where the first line starts, how wide lines may be, and the direction of the line advance.
struct TrpDrawText::Placement {
  int x = 0;
  int y = 0;
  int width = 0;
  int space = 0;
};

void TrpDrawText::Lock() { globalLock().lock(); }
void TrpDrawText::Unlock() { globalLock().unlock(); }

void TrpDrawText::SetFont(const TrpTextFont& font) {
  FFont = font;
  if (MonoFont) FFont.Color = clBlack;
  FMeasureHeight = roundI(Extended(font.Size) * DefPPI / 72);
}

void TrpDrawText::SetOptions(bool wordWrap, bool htmlTags, int rotation, bool wysiwyg, bool clipped,
                             bool wordBreak, bool rtlReading) {
  FWordWrap = wordWrap;
  FHTMLTags = htmlTags;
  FRotation = ((rotation % 360) + 360) % 360;
  FWysiwyg = wysiwyg;
  FClipped = clipped;
  FWordBreak = wordBreak;
  FRTLReading = rtlReading;
}

void TrpDrawText::SetGaps(Extended lineSpacing, Extended charSpacing, Extended paragraphGap) {
  FLineSpacing = lineSpacing;
  FCharSpacing = charSpacing;
  FParagraphGap = paragraphGap;
}

void TrpDrawText::SetDimensions(Extended scaleX, Extended scaleY, Extended printScale,
                                const QRect& unscaledRect, const QRect& scaledRect) {
  FScaleX = scaleX;
  FScaleY = scaleY;
  FPrintScale = printScale;
  FUnscaledRect = unscaledRect;
  FScaledRect = scaledRect;
}

// ---------------------------------------------------------------- measuring

std::vector<int> TrpDrawText::MeasureAdvances(const QString& text, const TrpHTMLTags& tags,
                                              int charSpacing) const {
  return OutputAdvances(text, tags, FMeasureHeight, charSpacing);
}

// Per-character advances in the font of each character's tag at `pixelHeight`; characters of a
// reduced size (sub- and superscript) are measured in the full size and scaled down by 1.5.
std::vector<int> TrpDrawText::OutputAdvances(const QString& text, const TrpHTMLTags& tags, int pixelHeight,
                                             int charSpacing) const {
  std::vector<int> advances(text.size());
  for (int i = 0; i < text.size(); ++i) {
    const TrpHTMLTag* tag = i < tags.size() ? &tags[i] : nullptr;
    const int style = tag ? tag->Style : FFont.Style;
    int advance = TrpFontCache::Advance(FFont.Name, pixelHeight, style, text, i) + charSpacing;
    if (tag && tag->Small) advance = roundI(advance / 1.5L);
    advances[i] = advance;
  }
  return advances;
}

Extended TrpDrawText::CalcHeight() const {
  if (FLines.isEmpty()) return 0;
  Extended height = (TextHeight() + FLineSpacing) * FLines.size();
  if (FLineSpacing < 0) height -= FLineSpacing;
  return height;
}

Extended TrpDrawText::CalcWidth() {
  if (FLines.isEmpty()) return 0;
  int widest = 0;
  for (int i = 0; i < FLines.size(); ++i) {
    const TrpHTMLTags tags = i < FTags.Count() ? FTags.Items(i) : TrpHTMLTags();
    const std::vector<int> advances = MeasureAdvances(FLines[i], tags, 0);
    int width = std::accumulate(advances.begin(), advances.end(), 0) + roundI(FLines[i].size() * FCharSpacing * F);
    if (FFlags[i] & FirstLineOfParagraph) width += roundI(FParagraphGap * F);
    widest = std::max(widest, width);
  }
  return widest / F;
}

Extended TrpDrawText::UnusedSpace() const {
  const Extended h = FUnscaledRect.height() + 1;
  const Extended lineHeight = LineHeight();
  if (lineHeight <= 0) return 0;
  const long long k = static_cast<long long>(h / lineHeight);
  if (k == 0) return 0;
  const Extended rest = h - k * lineHeight;
  return rest == 0 ? 0.0001L : rest;
}

QString TrpDrawText::GetWrappedText() const { return FLines.join(QStringLiteral("\r\n")); }

// ---------------------------------------------------------------- breaking

void TrpDrawText::SetText(const QStringList& lines, bool firstParaBreak) {
  FLines.clear();
  FFlags.clear();
  FPlainText.clear();
  FTags.Init(FFont.Color, FFont.Size, FFont.Style);
  FTags.SetAllowTags(FHTMLTags);
  const int available = isSideways(FRotation) ? FUnscaledRect.height() : FUnscaledRect.width();
  const int width = roundI(available * F);
  const int charSpacing = roundI(FCharSpacing * F);
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].isEmpty() ? QStringLiteral(" ") : lines[i];
    FPlainText += line + QLatin1String("\r\n");
    const int firstWidth = i == 0 && firstParaBreak ? width : roundI((available - FParagraphGap) * F);
    const int before = FLines.size();
    WrapTextLine(line, width, firstWidth, charSpacing);
    const int added = FLines.size() - before;
    if (added > 0) {
      FFlags[before] |= FirstLineOfParagraph;
      FFlags[FLines.size() - 1] |= LastLineOfParagraph;
    }
  }
}

void TrpDrawText::SetParaBreaks(bool first, bool last) {
  if (FFlags.isEmpty()) return;
  if (first) FFlags.first() &= ~FirstLineOfParagraph;
  if (last) FFlags.last() &= ~LastLineOfParagraph;
}

void TrpDrawText::AddLine(const QString& text, const TrpHTMLTags& tags) {
  FLines << text;
  FFlags << 0;
  FTags.NewLine() = tags;
}

// The number of characters of the word at `wordStart` (0-based) to keep before a hyphen, when the
// word overflows at `overflow`; 0 when it has no syllable break that fits.
int TrpDrawText::HyphenationPoint(const QString& line, int wordStart, int overflow) const {
  static const QString kWordEnds = QStringLiteral(" .,-;");
  int end = wordStart;
  while (end < line.size() && !kWordEnds.contains(line[end])) ++end;
  const int fits = overflow - wordStart;
  int best = 0;
  for (int position : BreakRussianWord(line.mid(wordStart, end - wordStart).toUpper()))
    if (position < fits) best = position;
  return best == fits ? 0 : best;
}

void TrpDrawText::WrapTextLine(const QString& rawLine, int width, int firstLineWidth, int charSpacing) {
  FTags.NewLine();
  const QString line = FTags.ExpandHTMLTags(rawLine);
  FTags.SkipPosition(2);
  const TrpHTMLTags lineTags = FTags.Items(FTags.Count() - 1);
  FTags.Delete(FTags.Count() - 1);

  if (line.size() <= 1 || !FWordWrap) {
    AddLine(line, lineTags);
    return;
  }
  const std::vector<int> advances = MeasureAdvances(line, lineTags, charSpacing);
  std::vector<long long> cumulative(advances.size());
  std::partial_sum(advances.begin(), advances.end(), cumulative.begin());
  if (cumulative.back() < firstLineWidth) {
    AddLine(line, lineTags);
    return;
  }

  const auto tagsOf = [&](int from, int count) { return lineTags.mid(from, count); };
  const auto hyphenTag = [&](TrpHTMLTags tags) {
    if (!tags.isEmpty()) tags.append(tags.last());
    return tags;
  };
  // 0-based: s is the first character of the current output line, b the last blank seen.
  int s = 0, b = 0;
  long long base = 0;
  long long limit = firstLineWidth;
  const int n = line.size();
  for (int i = 0; i < n;) {
    if (line[i].unicode() == 32 && !(FHTMLTags && lineTags[i].DontWRAP)) b = i;
    if (cumulative[i] - base <= limit) {
      ++i;
      continue;
    }
    if (b == s) {
      if (i == s) {
        AddLine(line.mid(s, 1), tagsOf(s, 1));
      } else if (const int keep = FWordBreak ? HyphenationPoint(line, s, i) : 0) {
        AddLine(line.mid(s, keep) + u'-', hyphenTag(tagsOf(s, keep)));
        b = s + keep - 1;
      } else {
        AddLine(line.mid(s, i - s), tagsOf(s, i - s));
        b = i - 1;
      }
    } else if (const int keep = FWordBreak ? HyphenationPoint(line, b + 1, i) : 0) {
      AddLine(line.mid(s, b + 1 - s + keep) + u'-', hyphenTag(tagsOf(s, b + 1 - s + keep)));
      b += keep;
    } else {
      AddLine(line.mid(s, b - s), tagsOf(s, b - s));  // the blank at b is dropped
    }
    base = cumulative[b];
    s = b + 1;
    i = s;
    b = s;
    limit = width;
  }
  if (s < n) AddLine(line.mid(s), tagsOf(s, n - s));
}

// ---------------------------------------------------------------- splitting

QString TrpDrawText::GetOutBoundsText(bool& paraBreak) {
  paraBreak = false;
  const Extended lineHeight = LineHeight();
  long long k = lineHeight > 0 ? static_cast<long long>((FUnscaledRect.height() + 1) / lineHeight) : 0;
  k = std::min<long long>(k, FLines.size());
  if (k >= FTags.Count()) return {};
  const int kept = static_cast<int>(k);
  const bool endsWithHyphen = kept > 0 && FLines[kept - 1].endsWith(u'-');
  paraBreak = kept > 0 && FFlags[kept - 1] < LastLineOfParagraph;
  const TrpHTMLTag firstTag = FTags.Items(kept).isEmpty() ? TrpHTMLTag() : FTags.Items(kept).first();
  const int cut = std::clamp(firstTag.Position - 1, 0, static_cast<int>(FPlainText.size()));

  QString rest = FPlainText.mid(cut);
  if (paraBreak && rest.startsWith(u' ')) rest.remove(0, 1);
  FPlainText.truncate(cut);
  if (FWordBreak && endsWithHyphen) FPlainText += u'-';
  if (FHTMLTags) rest.prepend(TrpHTMLTagsList::RestoringTags(firstTag));

  while (FLines.size() > kept) {
    FLines.removeLast();
    FFlags.removeLast();
  }
  while (FTags.Count() > kept) FTags.Delete(FTags.Count() - 1);
  return rest;
}

// ---------------------------------------------------------------- drawing

bool TrpDrawText::IsPrinter(const QPainter* canvas) {
  return canvas && canvas->device() && canvas->device()->devType() == QInternal::Printer;
}

int TrpDrawText::OutputFontHeight(int size, const QPainter* canvas, bool useDpiX) const {
  if (IsPrinter(canvas)) {
    const int dpi = useDpiX ? canvas->device()->logicalDpiX() : canvas->device()->logicalDpiY();
    return roundI(Extended(dpi) * size * FPrintScale / 72);
  }
  return roundI(size * FScaleY * 96 / 72);
}

TrpDrawText::Placement TrpDrawText::CalcRotatedCoords(int textHeight, TrpVAlign vAlign) const {
  const int L = FScaledRect.left(), T = FScaledRect.top();
  const int R = rightOf(FScaledRect), Bm = bottomOf(FScaledRect);
  const int r = FRotation;
  Placement p;
  Extended dirX = std::cos(r * kDegree), dirY = std::sin(r * kDegree);
  int f = textHeight;
  if (FLineSpacing < 0 && (vAlign == vaBottom || vAlign == vaCenter)) f += std::abs(roundI(2 * FLineSpacing));
  if (r == 0) {
    p = {L, T, R - L, Bm - T};
  } else if (r == 90) {
    p = {L, Bm, Bm - T, R - L};
  } else if (r == 180) {
    p = {R, Bm, R - L, Bm - T};
  } else if (r == 270) {
    p = {R, T, Bm - T, R - L};
  } else {
    const Extended c = std::abs(std::cos(r * kDegree)), s = std::abs(std::sin(r * kDegree));
    p.width = roundI((R - L - s * f) / c);
    if (r < 90) {
      p.x = L;
      p.y = T + roundI(s * p.width);
      p.space = f + Bm - p.y - roundI(c * f);
      dirX = 1, dirY = 0;
    } else if (r < 180) {
      p.x = L + roundI(c * p.width);
      p.y = Bm;
      p.space = f + Bm - T - roundI(c * f + s * p.width);
      dirX = -1, dirY = 0;
    } else if (r < 270) {
      p.x = R;
      p.y = Bm - roundI(s * p.width);
      p.space = f + p.y - T - roundI(c * f);
      dirX = -1, dirY = 0;
    } else {
      p.x = L + roundI(s * f);
      p.y = T;
      p.space = f + Bm - T - roundI(s * p.width + c * f);
      dirX = 1, dirY = 0;
    }
  }
  const int free = p.space - f;
  if (vAlign == vaBottom) {
    p.y += roundI(dirX * free);
    p.x += roundI(free * dirY);
  } else if (vAlign == vaCenter) {
    p.y += roundI(dirX * free / 2);
    p.x += roundI(free * dirY / 2);
  }
  return p;
}

void TrpDrawText::DrawText(QPainter* canvas, TrpHAlign hAlign, TrpVAlign vAlign) {
  if (FLines.isEmpty() || FTags.Count() == 0) return;
  const bool printer = IsPrinter(canvas);
  const int n = FLines.size();
  const int h = FMeasureHeight;
  const TrpHTMLTags& firstTags = FTags.Items(0);
  const int firstSize = !firstTags.isEmpty() && !firstTags.first().Default ? firstTags.first().Size : FFont.Size;
  const int o = OutputFontHeight(firstSize, canvas, false);

  // Block height predicted by the measurement, and the line steps that reach it exactly.
  int total;
  if (printer) {
    const Extended d = Extended(DefPPI) / canvas->device()->logicalDpiY() / FPrintScale;
    total = roundI((FLineSpacing * FScaleY * d * n + Extended(h) * n) / d);
  } else {
    const Extended d = F;
    total = roundI((FLineSpacing * d * n + Extended(h) * n) / d * FScaleY);
  }
  const int step = roundI(FLineSpacing * FScaleY) + o;
  std::vector<int> steps(std::max(0, n - 1), step);
  if (FWysiwyg && n > 1) SpreadCorrection(steps.data(), 0, n - 2, total - n * step);

  Placement start = CalcRotatedCoords(total, vAlign);
  const Extended cosR = std::cos(FRotation * kDegree), sinR = std::sin(FRotation * kDegree);

  const TextObjectScope object(canvas);
  canvas->save();
  if (FClipped) canvas->setClipRect(FScaledRect, Qt::IntersectClip);
  int x = start.x, y = start.y;
  for (int i = 0; i < n; ++i) {
    const bool first = FFlags[i] & FirstLineOfParagraph;
    const bool last = FFlags[i] & LastLineOfParagraph;
    TrpHAlign align = hAlign;
    if (hAlign == haBlock && last) align = FRTLReading ? haRight : haLeft;
    const int indent = first && (hAlign == haLeft || hAlign == haBlock) ? roundI(FParagraphGap * FScaleX) : 0;
    DrawTextLine(canvas, x + indent, y, start.width - indent, i, align);
    if (i < n - 1) {
      y += roundI(steps[i] * cosR);
      x += roundI(steps[i] * sinR);
    }
  }
  canvas->restore();
}

void TrpDrawText::DrawTextLine(QPainter* canvas, int x, int y, int available, int lineIndex,
                               TrpHAlign align) const {
  const QString& line = FLines[lineIndex];
  if (line.isEmpty()) return;
  const TrpHTMLTags& tags = FTags.Items(lineIndex);
  const bool printer = IsPrinter(canvas);
  const int measureSpacing = roundI(roundI(F) * FCharSpacing);
  const int outputSpacing = roundI(FCharSpacing * FScaleX);
  const int outputHeight = OutputFontHeight(FFont.Size, canvas, false);

  const std::vector<int> measured = MeasureAdvances(line, tags, measureSpacing);
  std::vector<int> advances = OutputAdvances(line, tags, outputHeight, outputSpacing);
  const long long a = std::accumulate(measured.begin(), measured.end(), 0LL) - measureSpacing;
  const long long m = std::accumulate(advances.begin(), advances.end(), 0LL) - outputSpacing;
  long long ideal = m;
  if (FWysiwyg)
    ideal = printer ? rpRound(a * FPrintScale / (Extended(DefPPI) / canvas->device()->logicalDpiX()))
                    : rpRound(a / F * FScaleX);

  const Extended cosR = std::cos(FRotation * kDegree), sinR = std::sin(FRotation * kDegree);
  const auto shift = [&](Extended by) {
    x += roundI(by * cosR);
    y -= roundI(by * sinR);
  };
  int blanks = 0;
  if (align == haBlock) {
    for (QChar c : line) blanks += isBlank(c);
    if (blanks == 0) align = haLeft;
  }
  switch (align) {
    case haRight:
      shift(available - ideal + 1);
      x -= 1;
      if ((FFont.Style & (TrpTagStyle::Bold | TrpTagStyle::Italic)) && FRotation == 0) x -= 1;
      break;
    case haCenter: shift((available - ideal) / 2.0L); break;
    default: break;
  }
  if (align == haBlock) {
    // The blanks take up the difference to the box exactly: each grows by the floor of the share,
    // and the first `extra` of them by one pixel more (a line too long for the box shrinks them).
    const long long difference = std::abs(available) - m;
    long long each = difference / blanks, extra = difference % blanks;
    if (extra < 0) extra += blanks, each -= 1;
    int seen = 0;
    for (int i = 0; i < line.size(); ++i) {
      if (!isBlank(line[i])) continue;
      advances[i] += static_cast<int>(each + (seen < extra ? 1 : 0));
      ++seen;
    }
  } else if (FWysiwyg) {
    SpreadCorrection(advances.data(), 0, static_cast<int>(advances.size()) - 1, static_cast<int>(ideal - m));
  }

  // Runs of equal font state, each character at its own position along the baseline, in the
  // reading order.
  const std::vector<int> offsets = rpLineOffsets(line, advances, FRTLReading);
  for (int runStart = 0; runStart < line.size();) {
    const TrpHTMLTag tag = runStart < tags.size() ? tags[runStart] : TrpHTMLTag{0, FFont.Size, 0, FFont.Style, FFont.Color};
    int runEnd = runStart + 1;
    while (runEnd < line.size() && runEnd < tags.size() && tags[runEnd].SameFontAs(tag)) ++runEnd;
    const int pixelHeight = OutputFontHeight(tag.Size, canvas, printer);
    const int dy = roundI(tag.AddY * tag.Size * FScaleY);
    const qreal ascent = TrpFontCache::Ascent(FFont.Name, pixelHeight, tag.Style);
    canvas->save();
    canvas->translate(x + roundI(dy * sinR), y + roundI(dy * cosR));
    if (FRotation != 0) canvas->rotate(-FRotation);
    canvas->setFont(TrpFontCache::Font(FFont.Name, pixelHeight, tag.Style));
    canvas->setPen(MonoFont ? QColor(Qt::black) : rpToQColor(tag.Color));
    // A line through the characters is drawn by the font with each character, blanks included;
    // plain characters may reach a device that keeps only glyphs as glyph runs.
    const bool decorated = tag.Style & (TrpTagStyle::Underline | TrpTagStyle::StrikeOut);
    const bool runs = !decorated && takesGlyphRuns(canvas);
    TrpGlyphRuns glyphs;
    for (int i = runStart; i < runEnd; ++i) {
      const QChar c = line[i];
      if (c.isLowSurrogate()) continue;
      const bool pair = c.isHighSurrogate() && i + 1 < line.size();
      const QChar shown = rpReadingGlyph(c, FRTLReading);
      const QPointF origin(offsets[i], ascent);
      // Blanks carry no ink unless a line runs through them. A mirrored character is not the
      // glyph of the text's own character, so it is drawn as the character it shows.
      if (runs && !c.isSpace() && shown == c)
        glyphs.Add(TrpFontCache::Glyphs(FFont.Name, pixelHeight, tag.Style, line, i), origin);
      else if (!c.isSpace() || decorated)
        canvas->drawText(origin, pair ? line.mid(i, 2) : QString(shown));
    }
    glyphs.Draw(*canvas);
    canvas->restore();
    runStart = runEnd;
  }
}
