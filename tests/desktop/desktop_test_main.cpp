// The desktop tests run inside one QApplication on the display that run_on_desktop.sh starts,
// with the program's font substitutions.
#include <QApplication>

#include <gtest/gtest.h>

#include "report/text/font_substitutions.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
