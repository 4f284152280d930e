// The main of the test programs that draw or measure: one QGuiApplication for every test, never
// asking for a display, with the font substitutions the program registers at start-up.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "report/text/font_substitutions.h"

int main(int argc, char** argv) {
  // Test discovery lists the tests without the tests' environment: never ask for a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
