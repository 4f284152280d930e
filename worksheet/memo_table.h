#pragma once

#include <QString>
#include <array>

class TrpComponent;
class TrpMemoView;

// The print command's cell text objects by column (1..8) and row (1..4). Entries hold names,
// not pointers: preparing a report frees and re-reads its definition, so an object pointer
// kept across a run would point at a freed object, while the name finds its successor.
namespace stroval {

class MemoTable {
 public:
  static constexpr int kColumns = 8;
  static constexpr int kRows = 4;

  // The report whose objects the names refer to.
  void SetReport(const TrpComponent* report) { report_ = report; }
  // The text object of [column, row] as the report holds it now; nullptr before the first print
  // command, out of range, or when the report no longer has it.
  TrpMemoView* operator()(int column, int row) const;
  void Set(int column, int row, const TrpMemoView* memo);

 private:
  static bool InRange(int column, int row) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
  }
  const TrpComponent* report_ = nullptr;
  std::array<std::array<QString, kRows>, kColumns> names_;
};

}  // namespace stroval
