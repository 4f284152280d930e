#pragma once
// Grammars read once per process. Reading a grammar text into matcher elements costs more than
// compiling a short program with it, and every compile (every throw-away Evaluate too) needs
// one; a built grammar is never changed, so all parsers share it, on any thread.
#include <QString>

#include <memory>

class TscGrammar;

// The grammar built from grammarText, built on first use. Raises ScriptError for a malformed
// text (which is not kept).
std::shared_ptr<const TscGrammar> scSharedGrammar(const QString& grammarText);
