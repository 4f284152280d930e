// Text objects measure with real fonts, which need a GUI application; the Windows font names of
// reports map to installed faces ("Arial" to "Liberation Sans") as at start-up.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "report/engine/font_substitutions.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
