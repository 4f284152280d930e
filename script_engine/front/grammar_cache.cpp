// The process-wide cache of built grammars, keyed by their text: a language registered anew
// with another text gets its own grammar.
#include "script_engine/front/grammar_cache.h"

#include <QHash>

#include <mutex>

#include "script_engine/front/grammar.h"

namespace {

// Languages are few; the bound only keeps a program that registers grammar texts endlessly
// from growing without limit.
constexpr qsizetype kMaxGrammars = 32;

struct Cache {
  std::mutex lock;
  QHash<QString, std::shared_ptr<const TscGrammar>> grammars;
};

Cache& cache() {
  static Cache c;
  return c;
}

}  // namespace

std::shared_ptr<const TscGrammar> scSharedGrammar(const QString& grammarText) {
  Cache& c = cache();
  {
    std::lock_guard<std::mutex> guard(c.lock);
    auto it = c.grammars.constFind(grammarText);
    if (it != c.grammars.constEnd()) return *it;
  }
  // Built outside the lock: two threads may both build the same grammar, and one copy is kept.
  auto built = std::make_shared<const TscGrammar>(grammarText);
  std::lock_guard<std::mutex> guard(c.lock);
  if (c.grammars.size() >= kMaxGrammars) c.grammars.clear();
  auto it = c.grammars.constFind(grammarText);
  if (it != c.grammars.constEnd()) return *it;
  c.grammars.insert(grammarText, built);
  return built;
}
