#pragma once
// The programs the interpreter benchmark runs side by side in this engine, Lua 5.4 and
// Python 3: each workload written once per language, doing the same work, with the result every
// version must print (or leave in its variable), so a fast but wrong run is never reported.
//
// The Lua and Python texts are what a programmer of that language would write: locals inside a
// function, and for building a text Lua's table buffer, since Lua's ".." copies the whole text at
// every step. Each foreign program measures its own CPU time around the work and prints two
// lines: the seconds taken and the result.
#include <QString>

#include <vector>

struct CompareWorkload {
  QString name;     // the benchmark family, e.g. "Loop"
  QString pascal;   // a PascalScript program; its work runs in Execute
  QString lua;
  QString python;
  QString resultVariable;  // the Pascal program's global variable holding the result
  QString expected;        // the result as text (a string result: its length)
};

// The loop, Fib(30) and the string building of `length` characters.
CompareWorkload scLoopWorkload();
CompareWorkload scFibWorkload();
CompareWorkload scStringAppendWorkload(int length);

// The cached expression: evaluated `calls` times, each call of a function compiled once.
struct CachedExpressionWorkload {
  QString expression;  // the same text in all three languages
  int calls;
  QString lua;
  QString python;
  QString expected;
};
CachedExpressionWorkload scCachedExpressionWorkload();
