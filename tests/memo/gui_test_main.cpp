// Text objects measure with real fonts, which need a GUI application; the Windows font names of
// reports map to installed faces ("Arial" to "Liberation Sans") as at start-up.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "report/engine/font_substitutions.h"

int main(int argc, char** argv) {
  // Test discovery lists the tests without the tests' environment: never ask for a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
