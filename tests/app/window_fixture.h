#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

#include "app/label.h"
#include "app/tag.h"
#include "app/worksheet_window.h"
#include "fake_dialogs.h"
#include "qstring_printer.h"

// A worksheet window with answered dialogs, activated once unless a test says otherwise. It is
// not shown: the handlers are called as the window system would call them.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<stroval::TForm19>(std::make_unique<FakeDialogs>(&dialogs_));
  }

  stroval::TForm19& Window() { return *window_; }
  void Activate() { window_->FormActivate(window_.get()); }

  // Types `word` into the word box and presses the generate button.
  void Generate(const QString& word) {
    window_->edtInput->setText(word);
    window_->Button1Click(window_->Button1);
  }

  // The palette labels in the order the window owns them.
  std::vector<stroval::Label*> PaletteLabels() const {
    std::vector<stroval::Label*> labels;
    for (int i = 0; i < window_->ComponentCount(); ++i)
      if (stroval::Tag(window_->Components(i)) == stroval::TForm19::kPaletteLabelTag)
        labels.push_back(qobject_cast<stroval::Label*>(window_->Components(i)));
    return labels;
  }

  int CountTagged(int tag) const {
    int count = 0;
    for (int i = 0; i < window_->ComponentCount(); ++i)
      count += stroval::Tag(window_->Components(i)) == tag;
    return count;
  }

  // The captions of row `row`, columns 1..8, joined with "|" ("" for an empty cell).
  QString Row(int row) const {
    QStringList captions;
    for (int c = 1; c <= 8; ++c) captions << window_->paneWord(c, row)->Caption();
    return captions.join('|');
  }

  // Drops palette label `n` (1-based) on cell [column, row].
  void Drop(int n, int column, int row) {
    window_->paneWS_DragDrop(window_->paneWord(column, row), PaletteLabels().at(n - 1));
  }

  FakeDialogs::State dialogs_;
  std::unique_ptr<stroval::TForm19> window_;
};
