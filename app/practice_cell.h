#pragma once

#include "app/panel.h"
#include "worksheet/guide_style.h"

// A practice cell of the grid: a panel whose caption is the practised character, drawn over the
// sheet's guide lines, in the trace ink when it is there to be traced over. With no guides and no
// tracing it looks exactly like a plain panel.
namespace stroval {

class PracticeCell : public Panel {
  Q_OBJECT

 public:
  explicit PracticeCell(QWidget* parent = nullptr) : Panel(parent) {}

  GuideStyle Guides() const { return guides_; }
  void SetGuides(GuideStyle style);
  bool Traced() const { return traced_; }
  void SetTraced(bool traced);

 protected:
  void PaintContent(QPainter& painter) override;

 private:
  void PaintGuides(QPainter& painter) const;

  GuideStyle guides_ = GuideStyle::None;
  bool traced_ = false;
};

}  // namespace stroval
