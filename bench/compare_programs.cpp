// The side-by-side programs, as data.
#include "compare_programs.h"

namespace {

// The foreign programs share their frame: time the work, print seconds and result.
QString luaTimed(const QString& setup, const QString& work) {
  return setup + QStringLiteral("\nlocal t0 = os.clock()\nlocal r = %1\n"
                                "print(os.clock() - t0)\nprint(r)\n")
                     .arg(work);
}

QString pythonTimed(const QString& setup, const QString& work) {
  return QStringLiteral("import time\n") + setup +
         QStringLiteral("\nt0 = time.process_time()\nr = %1\n"
                        "print(time.process_time() - t0)\nprint(r)\n")
             .arg(work);
}

}  // namespace

CompareWorkload scLoopWorkload() {
  return {QStringLiteral("Loop"),
          QStringLiteral("var s, i: Integer;\nbegin\n  s := 0;\n"
                         "  for i := 1 to 10000000 do s := s + i mod 7;\nend."),
          luaTimed(QStringLiteral("local function loop()\n  local s = 0\n"
                                  "  for i = 1, 10000000 do s = s + i % 7 end\n"
                                  "  return s\nend"),
                   QStringLiteral("loop()")),
          pythonTimed(QStringLiteral("def loop():\n    s = 0\n"
                                     "    for i in range(1, 10000001):\n        s = s + i % 7\n"
                                     "    return s"),
                      QStringLiteral("loop()")),
          QStringLiteral("s"), QStringLiteral("29999997")};
}

CompareWorkload scFibWorkload() {
  return {QStringLiteral("Fib30"),
          QStringLiteral("var r: Integer;\n"
                         "function Fib(n: Integer): Integer;\nbegin\n"
                         "  if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2);\n"
                         "end;\nbegin\n  r := Fib(30);\nend."),
          luaTimed(QStringLiteral("local function fib(n)\n  if n < 2 then return n end\n"
                                  "  return fib(n - 1) + fib(n - 2)\nend"),
                   QStringLiteral("fib(30)")),
          pythonTimed(QStringLiteral("def fib(n):\n    if n < 2:\n        return n\n"
                                     "    return fib(n - 1) + fib(n - 2)"),
                      QStringLiteral("fib(30)")),
          QStringLiteral("r"), QStringLiteral("832040")};
}

CompareWorkload scStringAppendWorkload(int length) {
  const QString n = QString::number(length);
  return {QStringLiteral("StringAppend"),
          QStringLiteral("var s: String; i: Integer;\nbegin\n  s := '';\n"
                         "  for i := 1 to %1 do s := s + 'x';\nend.")
              .arg(n),
          luaTimed(QStringLiteral("local function build()\n  local t = {}\n"
                                  "  for i = 1, %1 do t[i] = 'x' end\n"
                                  "  return #table.concat(t)\nend")
                       .arg(n),
                   QStringLiteral("build()")),
          pythonTimed(QStringLiteral("def build():\n    s = ''\n"
                                     "    for i in range(%1):\n        s = s + 'x'\n"
                                     "    return len(s)")
                          .arg(n),
                      QStringLiteral("build()")),
          QStringLiteral("s"), n};
}

CachedExpressionWorkload scCachedExpressionWorkload() {
  const QString expression = QStringLiteral("(a + b) * 2");
  const int calls = 1000000;
  return {expression, calls,
          luaTimed(QStringLiteral("local env = {a = 3, b = 4}\n"
                                  "local f = load('return %1', 'expr', 't', env)\n"
                                  "local function calls()\n  local r\n"
                                  "  for i = 1, %2 do r = f() end\n  return r\nend")
                       .arg(expression)
                       .arg(calls),
                   QStringLiteral("calls()")),
          pythonTimed(QStringLiteral("code = compile('%1', '<expr>', 'eval')\n"
                                     "def calls():\n    g = {'a': 3, 'b': 4}\n    r = None\n"
                                     "    for i in range(%2):\n        r = eval(code, g)\n"
                                     "    return r")
                          .arg(expression)
                          .arg(calls),
                      QStringLiteral("calls()")),
          QStringLiteral("14")};
}
