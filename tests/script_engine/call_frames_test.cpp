// Recursive calls put the caller's locals aside and back, whatever the size of the procedure's
// frame (parameters, "Result", other locals) and whether the inner call returns or raises.
// Every case runs a compiled program against a model of the same procedure in C++.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "compiler_support.h"

namespace {

struct CallShape {
  const char* name;
  bool isFunction;  // else a procedure writing to a global
  int parameters;   // 1: (n), 2: (n, s)
  int locals;       // String locals besides the parameters and "Result"
  int depth;
  bool raises;      // the innermost call divides by zero
};

std::string caseName(const testing::TestParamInfo<CallShape>& info) { return info.param.name; }
void PrintTo(const CallShape& c, std::ostream* os) { *os << c.name; }

QString localName(int i) { return QStringLiteral("a%1").arg(i); }

// The procedure F of a shape, in PascalScript. It writes "(", the locals as it found them (a
// call starts from its caller's values), changes every local, calls itself one level deeper,
// and writes "|", its own locals again and s, and ")". A function builds this as its result,
// a procedure appends it to the global g.
QStringList program(const CallShape& c, const QString& main) {
  const QString out = c.isFunction ? QStringLiteral("Result") : QStringLiteral("g");
  QStringList locals;
  for (int i = 0; i < c.locals; ++i) locals << localName(i);
  const QString read = locals.isEmpty() ? QString() : QStringLiteral(" + ") + locals.join(" + ");
  const QString s = c.parameters == 2 ? QStringLiteral(" + s") : QString();
  const QString inner = c.parameters == 2 ? QStringLiteral("F(n - 1, s + 'x')")
                                          : QStringLiteral("F(n - 1)");
  QStringList lines{QStringLiteral("var r, r2, g: String; z, k: Integer;")};
  lines << QStringLiteral("%1 F(n: Integer%2)%3;")
               .arg(c.isFunction ? "function" : "procedure",
                    c.parameters == 2 ? "; s: String" : "", c.isFunction ? ": String" : "");
  if (!locals.isEmpty()) lines << QStringLiteral("var %1: String;").arg(locals.join(", "));
  lines << QStringLiteral("begin");
  lines << QStringLiteral("  %1 := %2 + '('%3;")
               .arg(out, c.isFunction ? QStringLiteral("''") : out, read);
  for (int i = 0; i < c.locals; ++i)
    lines << QStringLiteral("  %1 := %1 + '%2';").arg(localName(i)).arg(i % 10);
  if (c.isFunction)
    lines << QStringLiteral("  if n > 0 then Result := Result + %1 + '|'").arg(inner);
  else
    lines << QStringLiteral("  if n > 0 then begin %1; g := g + '|' end").arg(inner);
  lines << QStringLiteral("  else k := 1 div z;");
  lines << QStringLiteral("  %1 := %1%2%3 + ')';").arg(out, read, s);
  lines << QStringLiteral("end;") << main;
  return lines;
}

// The same procedure in C++: values are the locals' values as the variables hold them.
struct Model {
  std::vector<std::string> values;
  bool raises;
  bool passesText;  // the parameter s exists, and each level passes it on with an "x" more

  void run(int n, const std::string& s, std::string& out) {
    out += "(";
    for (const std::string& a : values) out += a;
    for (std::size_t i = 0; i < values.size(); ++i) values[i] += char('0' + i % 10);
    if (n > 0) {
      const std::vector<std::string> callers = values;
      try {
        run(n - 1, passesText ? s + "x" : s, out);
      } catch (...) {
        values = callers;
        throw;
      }
      values = callers;
      out += "|";
    } else if (raises) {
      throw std::runtime_error("division by zero");
    }
    for (const std::string& a : values) out += a;
    out += s + ")";
  }
};

class CallFrames : public testing::TestWithParam<CallShape> {};

TEST_P(CallFrames, EveryLevelKeepsItsOwnLocals) {
  const CallShape& c = GetParam();
  const QString outer = c.parameters == 2 ? QStringLiteral("F(%1, '')").arg(c.depth)
                                          : QStringLiteral("F(%1)").arg(c.depth);
  const QString again = c.parameters == 2 ? QStringLiteral("F(0, '')") : QStringLiteral("F(0)");
  // After the first call (which may raise), a second one shows what the locals were left with.
  const QString first = c.isFunction ? QStringLiteral("r := ") + outer : outer;
  const QString second = c.isFunction ? QStringLiteral("r2 := ") + again : again;
  const QString main = QStringLiteral(
                           "begin z := %1; try %2 except r := 'caught' end; z := 1; r := r + g; "
                           "g := ''; %3; r2 := r2 + g end.")
                           .arg(c.raises ? 0 : 1)
                           .arg(first, second);
  CompiledScript compiled = CompileScript(kPascal, program(c, main));
  ASSERT_TRUE(compiled.ok) << compiled.script->FErrorMsg.toStdString() << " at "
                           << compiled.script->FErrorPos.toStdString();
  compiled.script->Execute();

  Model model{std::vector<std::string>(std::size_t(c.locals)), c.raises, c.parameters == 2};
  std::string firstOut;
  std::string expected;
  try {
    model.run(c.depth, "", firstOut);
    expected = firstOut;
  } catch (const std::runtime_error&) {
    expected = "caught" + (c.isFunction ? std::string() : firstOut);
  }
  model.raises = false;
  std::string secondOut;
  model.run(0, "", secondOut);

  EXPECT_EQ(compiled.script->Variable(QStringLiteral("r")).ToText().toStdString(), expected);
  EXPECT_EQ(compiled.script->Variable(QStringLiteral("r2")).ToText().toStdString(), secondOut);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CallFrames,
    testing::Values(
        // Slots: parameters, "Result" for a function, locals.
        CallShape{"ProcedureOfOneSlot", false, 1, 0, 4, false},
        CallShape{"FunctionOfTwoSlots", true, 1, 0, 4, false},
        CallShape{"FunctionOfThreeSlots", true, 1, 1, 4, false},
        CallShape{"TwoParametersAndThreeLocals", true, 2, 3, 3, false},
        CallShape{"EightSlots", true, 1, 6, 3, false},
        CallShape{"NineSlots", true, 1, 7, 3, false},
        CallShape{"ProcedureOfFourteenSlots", false, 2, 12, 3, false},
        CallShape{"RaisingThroughTwoSlots", true, 1, 0, 4, true},
        CallShape{"RaisingThroughEightSlots", true, 1, 6, 3, true},
        CallShape{"RaisingThroughNineSlots", true, 1, 7, 3, true},
        CallShape{"ProcedureRaisingThroughSevenSlots", false, 2, 5, 3, true}),
    caseName);

}  // namespace
