// Visual objects draw on QImages and decode pictures, which needs a GUI application object (the
// offscreen platform when run by CTest).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
