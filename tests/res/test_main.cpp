// The string table looks beside the program file for language and help files, and the picture
// tests make pixmaps, so the tests run inside an application object. They never need a display:
// test discovery runs this program without the test environment, so the headless platform is
// chosen here when none is set.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
