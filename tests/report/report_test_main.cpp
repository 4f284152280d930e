// Text objects measure with fonts: the tests run inside a GUI application (the offscreen
// platform under CTest).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
