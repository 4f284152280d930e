#include "worksheet/memo_table.h"

#include "report/memo/memo_view.h"

namespace stroval {

TrpMemoView* MemoTable::operator()(int column, int row) const {
  if (!InRange(column, row) || report_ == nullptr) return nullptr;
  const QString& name = names_[column - 1][row - 1];
  if (name.isEmpty()) return nullptr;
  return dynamic_cast<TrpMemoView*>(report_->FindObject(name));
}

void MemoTable::Set(int column, int row, const TrpMemoView* memo) {
  if (InRange(column, row)) names_[column - 1][row - 1] = memo ? memo->Name() : QString();
}

}  // namespace stroval
