#include "app/practice_options.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "worksheet/worksheet_sheet.h"

namespace stroval {

namespace {

constexpr int kCaptionWidth = 40;
constexpr int kBoxWidth = 108;
constexpr int kRowHeight = 30;
constexpr int kRowPitch = 40;

QLabel* Caption(const char* text, int row, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setGeometry(0, row * kRowPitch, kCaptionWidth, kRowHeight);
  return label;
}

}  // namespace

PracticeOptions::PracticeOptions(QWidget* parent)
    : QWidget(parent), guides_(new QComboBox(this)), trace_(new QSpinBox(this)) {
  Caption("格線", 0, this)->setBuddy(guides_);
  for (const GuideStyleName& name : GuideStyleNames())
    guides_->addItem(QString::fromUtf8(name.caption), int(name.style));
  guides_->setGeometry(kCaptionWidth, 0, kBoxWidth, kRowHeight);
  guides_->setToolTip(QStringLiteral("練習格內的輔助線，螢幕與列印相同"));

  Caption("描紅", 1, this)->setBuddy(trace_);
  trace_->setRange(0, WorksheetSheet::kMaxTraceCount);
  trace_->setSuffix(QStringLiteral(" 格"));
  trace_->setGeometry(kCaptionWidth, kRowPitch, kBoxWidth, kRowHeight);
  trace_->setToolTip(QStringLiteral("放下字後，其後幾格以淺灰色顯示供描寫，其餘留空；0 = 整行填滿"));

  connect(guides_, &QComboBox::currentIndexChanged, this, &PracticeOptions::GuidesChanged);
}

GuideStyle PracticeOptions::Guides() const {
  return GuideStyle(guides_->currentData().toInt());
}

void PracticeOptions::SetGuides(GuideStyle style) {
  guides_->setCurrentIndex(guides_->findData(int(style)));
}

int PracticeOptions::TraceCount() const {
  return trace_->value();
}

void PracticeOptions::SetTraceCount(int count) {
  trace_->setValue(count);
}

}  // namespace stroval
