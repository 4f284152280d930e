#pragma once
// Inline formatting tags of text objects ("<b>", "<sub>", "<font color=...>", "<nowrap>") and the
// per-character font state they produce. The text layout machine keeps one tag line per output
// line, one tag per character, so that measuring, wrapping, splitting and drawing all see the same
// state for each character.
#include "report/units/report_units.h"

#include <QList>
#include <QString>

enum TrpSubStyle { ssNormal, ssSubscript, ssSuperscript };

// Style bits of a tag, as fonts number them.
namespace TrpTagStyle {
constexpr int Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8;
}

struct TrpHTMLTag {
  int Position = 0;   // 1-based index of the character in the plain text (tags included)
  int Size = 0;       // font size in points
  int AddY = 0;       // 1 for subscript: the run is drawn lower
  int Style = 0;      // TrpTagStyle bits
  TColor Color = 0;
  bool Default = true;    // starts no change of font
  bool Small = false;     // size differs from the default size
  bool DontWRAP = false;  // inside a no-wrap span
  TrpSubStyle SubType = ssNormal;

  // Same font state (size, raise, style, colour, sub-type).
  bool SameFontAs(const TrpHTMLTag& other) const;
};

using TrpHTMLTags = QList<TrpHTMLTag>;

class TrpHTMLTagsList {
 public:
  // Empties the list and starts from the object's font: colour, size and style.
  void Init(TColor defaultColor, int defaultSize, int defaultStyle);

  bool AllowTags() const { return FAllowTags; }
  void SetAllowTags(bool allow) { FAllowTags = allow; }

  // Starts a new tag line and returns it.
  TrpHTMLTags& NewLine();
  int Count() const { return FLines.size(); }
  TrpHTMLTags& Items(int index) { return FLines[index]; }
  const TrpHTMLTags& Items(int index) const { return FLines[index]; }
  void Insert(int index, const TrpHTMLTags& line) { FLines.insert(index, line); }
  void Delete(int index) { FLines.removeAt(index); }
  void Clear() { FLines.clear(); }

  // Removes the recognised tags from `line`, appends one tag per remaining character to the last
  // tag line, and returns the remaining text (one blank when nothing remains).
  QString ExpandHTMLTags(const QString& line);

  // Moves the plain-text position past characters that are not part of any line (the CR LF).
  void SkipPosition(int count) { FPosition += count; }
  int Position() const { return FPosition; }

  // The tags that restore `tag`'s state at the start of a continued text: a colour tag always, then
  // "<sup>"/"<sub>", "<u>", "<i>", "<b>".
  static QString RestoringTags(const TrpHTMLTag& tag);

  int DefaultSize() const { return FDefaultSize; }

  // Removes the recognised tags, appending one tag per remaining character to `tags` when given.
  QString StripTags(const QString& line, TrpHTMLTags* tags);

 private:
  // Applies the tag starting at `at`, if one is recognised there; returns its length or 0.
  int ApplyTag(const QString& line, int at);
  TrpHTMLTag CurrentTag() const;

  QList<TrpHTMLTags> FLines;
  bool FAllowTags = true;
  TColor FDefaultColor = 0;
  int FDefaultSize = 10;
  int FDefaultStyle = 0;
  TColor FColor = 0;
  int FSize = 10;
  int FStyle = 0;
  int FAddY = 0;
  bool FNoWrap = false;
  TrpSubStyle FSubType = ssNormal;
  int FPosition = 1;
};

// The text with every recognised tag removed.
QString DeleteTags(const QString& text);
