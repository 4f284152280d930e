#pragma once
// The text layout machine. Text is broken into lines and measured once, on a private canvas at 600
// pixels per inch; on the real device every character is then placed explicitly, stretched line by
// line and character by character, so that a text occupies the same place at every zoom and on
// every device. Callers hold the global lock (Lock/Unlock) from SetFont to their last query.
#include "report/text/html_tags.h"
#include "report/text/text_font.h"
#include "report/units/report_units.h"

#include <QList>
#include <QRect>
#include <QStringList>

#include <vector>

class QPainter;

class TrpDrawText {
 public:
  static constexpr int DefPPI = 600;
  static constexpr int ScrPPI = 96;
  static constexpr Extended F = Extended(DefPPI) / ScrPPI;  // 6.25

  // Output-line flags.
  static constexpr int FirstLineOfParagraph = 1;
  static constexpr int LastLineOfParagraph = 2;

  static void Lock();
  static void Unlock();

  void SetFont(const TrpTextFont& font);
  void SetOptions(bool wordWrap, bool htmlTags, int rotation, bool wysiwyg, bool clipped, bool wordBreak,
                  bool rtlReading);
  void SetGaps(Extended lineSpacing, Extended charSpacing, Extended paragraphGap);
  void SetDimensions(Extended scaleX, Extended scaleY, Extended printScale, const QRect& unscaledRect,
                     const QRect& scaledRect);
  void SetText(const QStringList& lines, bool firstParaBreak = false);
  void SetParaBreaks(bool first, bool last);

  Extended CalcWidth();
  Extended CalcHeight() const;
  Extended LineHeight() const { return TextHeight() + FLineSpacing; }
  Extended TextHeight() const { return FMeasureHeight / F; }
  Extended UnusedSpace() const;

  // The text that does not fit the height; the machine keeps only the lines that fit, and
  // GetInBoundsText returns the text of those.
  QString GetOutBoundsText(bool& paraBreak);
  QString GetInBoundsText() const { return FPlainText; }
  QString GetWrappedText() const;

  void DrawText(QPainter* canvas, TrpHAlign hAlign, TrpVAlign vAlign);
  static bool IsPrinter(const QPainter* canvas);

  // Options not set through SetOptions.
  bool MonoFont = false;           // draw black whatever the colour
  bool UseDefaultCharset = false;
  // Every character drawn by a drawText call of its own, on every device: the reference the glyph
  // runs of PDF devices are compared with.
  static inline bool CharacterCalls = false;

  const QStringList& Text() const { return FLines; }
  int LineFlags(int line) const { return FFlags.at(line); }
  int Rotation() const { return FRotation; }

 private:
  struct Placement;

  void WrapTextLine(const QString& rawLine, int width, int firstLineWidth, int charSpacing);
  void AddLine(const QString& text, const TrpHTMLTags& tags);
  // Advances of `text` at the measuring resolution, one per character, spacing included.
  std::vector<int> MeasureAdvances(const QString& text, const TrpHTMLTags& tags, int charSpacing) const;
  std::vector<int> OutputAdvances(const QString& text, const TrpHTMLTags& tags, int pixelHeight,
                                  int charSpacing) const;
  int OutputFontHeight(int size, const QPainter* canvas, bool useDpiX) const;
  int HyphenationPoint(const QString& line, int wordStart, int overflow) const;
  void DrawTextLine(QPainter* canvas, int x, int y, int available, int line, TrpHAlign align) const;
  Placement CalcRotatedCoords(int textHeight, TrpVAlign vAlign) const;

  TrpTextFont FFont;
  int FMeasureHeight = 83;  // round(size x 600 / 72), as a positive height
  QStringList FLines;
  QList<int> FFlags;
  QString FPlainText;
  TrpHTMLTagsList FTags;
  bool FWordWrap = true;
  bool FHTMLTags = false;
  bool FWysiwyg = true;
  bool FClipped = false;
  bool FWordBreak = false;
  bool FRTLReading = false;
  int FRotation = 0;
  Extended FLineSpacing = 0;
  Extended FCharSpacing = 0;
  Extended FParagraphGap = 0;
  Extended FScaleX = 1;
  Extended FScaleY = 1;
  Extended FPrintScale = 1;
  QRect FUnscaledRect;
  QRect FScaledRect;
};
