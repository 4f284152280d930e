// Every test of this program runs inside one QGuiApplication (fonts need it).
#include "report/engine/font_substitutions.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "engine_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QGuiApplication>(argc, argv);
    stroval::RegisterFontSubstitutions();
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> application_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
