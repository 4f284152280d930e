#pragma once
// A page of text laid out in character cells, as a text-mode printer prints it: texts are placed
// at a column and a row, wide (East Asian) characters take two cells, and a later text writes
// over an earlier one where they meet. Printer controls may be put between the cells.
#include <QString>

#include <map>
#include <utility>
#include <vector>

class TrpTextCells {
 public:
  // Whether `c` takes two cells.
  static bool IsWide(char32_t c);
  // The number of cells `text` takes.
  static int Width(const QString& text);
  // `text` cut into lines of at most `width` cells, at spaces where it can be.
  static std::vector<QString> Wrap(const QString& text, int width);

  // Writes `text` from (column, row), both from 0; cells beyond the right edge are dropped.
  void Put(int column, int row, const QString& text);
  // Puts `control` (printer bytes that take no cell) before the character at (column, row);
  // several at one cell keep their order.
  void PutControl(int column, int row, const QString& control);
  // The rows with trailing spaces removed, empty rows at the end dropped, joined by line feeds.
  QString Text() const;

 private:
  static constexpr char32_t kEmpty = 0;
  static constexpr char32_t kContinued = 0xFFFFFFFF;  // the second cell of a wide character
  std::vector<std::vector<char32_t>> FRows;
  std::map<std::pair<int, int>, QString> FControls;  // by (row, column)
};
