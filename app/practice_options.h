#pragma once

#include <QWidget>

#include "worksheet/guide_style.h"

class QComboBox;
class QSpinBox;

// The practice choices of the input bar: the guide style of the cells and how many cells after a
// dropped character show it to trace over (0: the drop fills the row, as without tracing).
namespace stroval {

class PracticeOptions : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeOptions(QWidget* parent = nullptr);

  GuideStyle Guides() const;
  void SetGuides(GuideStyle style);
  int TraceCount() const;
  void SetTraceCount(int count);

  QComboBox* GuidesBox() const { return guides_; }
  QSpinBox* TraceBox() const { return trace_; }

 signals:
  void GuidesChanged();

 private:
  QComboBox* guides_;
  QSpinBox* trace_;
};

}  // namespace stroval
