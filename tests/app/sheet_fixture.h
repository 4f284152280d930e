#pragma once
// A worksheet window whose recent files are kept in a settings folder of the test's own, with a
// folder for the sheet files it saves and opens.
#include <QComboBox>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/practice_options.h"
#include "app/sheet_file_buttons.h"
#include "sheet_text.h"
#include "window_fixture.h"

class SheetTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    WindowTest::SetUp();
  }

  QString PathOf(const QString& name) const { return files_.filePath(name); }
  void ChooseGuides(stroval::GuideStyle style) {
    QComboBox* box = Window().Practice->GuidesBox();
    box->setCurrentIndex(box->findData(int(style)));
  }
  void ChooseTrace(int count) { Window().Practice->TraceBox()->setValue(count); }
  // Row `row` as "永 ~永 ." : a character, a traced one, an empty cell.
  QString Cells(int row) const {
    QStringList cells;
    for (int c = 1; c <= 8; ++c) {
      const stroval::PracticeCell* cell = window_->paneWord(c, row);
      cells << CellText({cell->Caption(), cell->Traced()});
    }
    return cells.join(u' ');
  }

  QTemporaryDir settings_;
  QTemporaryDir files_;
};
