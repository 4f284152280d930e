// PascalScript: source text against the intermediate form and against syntax errors.
#include <gtest/gtest.h>

#include "il_render.h"

namespace {

struct FormCase {
  const char* name;
  QStringList source;
  const char* il;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

class PascalForm : public testing::TestWithParam<FormCase> {};

TEST_P(PascalForm, ProducesIntermediateForm) {
  const FormCase& c = GetParam();
  Phase1Result r = RunPhase1(QStringLiteral("PascalScript"), c.source);
  ASSERT_TRUE(r.ok) << r.message.toStdString() << " at " << r.position.toStdString();
  EXPECT_EQ(r.il.toStdString(), c.il);
}

INSTANTIATE_TEST_SUITE_P(Statements, PascalForm, testing::Values(
    FormCase{"EmptyProgram", {"begin", "", "end."}, "compoundstmt"},
    FormCase{"Assignment", {"begin x := 1 end."},
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"}
), [](const auto& info) { return std::string(info.param.name); });

}  // namespace
