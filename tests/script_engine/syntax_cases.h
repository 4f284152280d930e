#pragma once
// Table rows shared by the four syntax test files.
#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>
#include <string>

#include "il_render.h"

// A source (as lines) and the compact intermediate form it must produce.
struct FormCase {
  const char* name;
  QStringList source;
  const char* il;
};

// A source and the syntax error it must stop with.
struct ErrorCase {
  const char* name;
  QStringList source;
  const char* message;
  const char* position;
};

inline void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

inline void ExpectForm(const QString& syntax, const FormCase& c) {
  Phase1Result r = RunPhase1(syntax, c.source);
  ASSERT_TRUE(r.ok) << r.message.toStdString() << " at " << r.position.toStdString();
  EXPECT_EQ(r.il.toStdString(), c.il);
}

inline void ExpectError(const QString& syntax, const ErrorCase& c) {
  Phase1Result r = RunPhase1(syntax, c.source);
  ASSERT_FALSE(r.ok) << "compiled to " << r.il.toStdString();
  EXPECT_EQ(r.message.toStdString(), c.message);
  EXPECT_EQ(r.position.toStdString(), c.position);
}
