#pragma once
// The directives of a printf-like format, "%[index:][-][width][.precision]type", read in turn
// with the literal text between them ("%%" is a percent sign). The script's Format and the text
// object's display formats read their formats with it; each applies its own conversions and
// raises its own error when a directive is malformed.
#include <QChar>
#include <QString>

// The arguments a directive's "n:" and "*" refer to. A reader given none (a format of one value)
// takes neither: ':' and '*' are then read as the conversion letter.
class TscPrintfArguments {
 public:
  virtual ~TscPrintfArguments() = default;
  // "n:": the next argument taken is the n-th (0 for an index without digits).
  virtual void SelectArgument(int index) = 0;
  // "*": the next argument, as a width or precision.
  virtual int TakeCount() = 0;
};

// Bounds that keep a hostile format from asking for huge texts, and which digits count.
struct TscPrintfRules {
  int MaxWidth = 0;
  int MaxPrecision = 0;
  bool AnyDecimalDigit = false;  // any Unicode decimal digit, not only 0-9
};

struct TscPrintfDirective {
  bool LeftJustify = false;
  int Width = -1;      // -1 when absent
  int Precision = -1;  // -1 when absent, 0 for a "." without digits
  QChar Type;          // as written: letters in either case
};

class TscPrintfReader {
 public:
  TscPrintfReader(const QString& format, const TscPrintfRules& rules,
                  TscPrintfArguments* arguments = nullptr)
      : F(format), R(rules), A(arguments) {}

  bool AtEnd() const { return I >= F.size(); }
  // Appends the literal text up to the next directive or the end to `text`; false when the
  // format ends in a lone "%".
  bool ReadText(QString& text);
  // Reads the directive at the reader's "%"; false when it is cut off or a number exceeds its
  // bound.
  bool ReadDirective(TscPrintfDirective& directive);

 private:
  bool IsDigit(QChar c) const;
  // Digits or "*" into `v` (-1 when absent); false when beyond `limit`.
  bool Number(int limit, int& v);

  const QString& F;
  const TscPrintfRules& R;
  TscPrintfArguments* A;
  qsizetype I = 0;
};
