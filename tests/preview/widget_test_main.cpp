// The preview tests run inside one QApplication, headless, with the program's font substitutions.
#include <QApplication>

#include <gtest/gtest.h>

#include "report/text/font_substitutions.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
