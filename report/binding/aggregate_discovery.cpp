// Finding the aggregate calls of a page: which bands can show totals, which text objects they
// hold, and the calls inside those objects' bracketed expressions.
#include <QSet>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/memo/bracket_scanner.h"
#include "report/memo/memo_view.h"
#include "report/objects/variables.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/page.h"

namespace {

// Report variables may refer to each other; a chain this deep is a loop.
constexpr int kMaxVariableDepth = 32;

bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'#'; }

// The index just past the quoted text starting at `i`.
qsizetype skipQuoted(const QString& text, qsizetype i) {
  const QChar quote = text[i];
  for (++i; i < text.size(); ++i)
    if (text[i] == quote) return i + 1;
  return text.size();
}

// The index of the character closing the bracket at `i` (or the end of the text), counting
// nested brackets of the same kind and skipping quoted text.
qsizetype matchingClose(const QString& text, qsizetype i, QChar open, QChar close) {
  int depth = 0;
  while (i < text.size()) {
    const QChar c = text[i];
    if (c == u'\'' || c == u'"') {
      i = skipQuoted(text, i);
      continue;
    }
    if (c == open) ++depth;
    if (c == close && --depth == 0) return i;
    ++i;
  }
  return text.size();
}

// The arguments of a call text "NAME(a, b, c)", split at commas outside quotes and parentheses.
QStringList callArguments(const QString& call) {
  QStringList args;
  const qsizetype open = call.indexOf(u'(');
  const qsizetype close = call.lastIndexOf(u')');
  if (open < 0) return args;
  const QString inner = call.mid(open + 1, (close > open ? close : call.size()) - open - 1);
  int depth = 0;
  QString current;
  for (qsizetype i = 0; i < inner.size(); ++i) {
    const QChar c = inner[i];
    if (c == u'\'' || c == u'"') {
      const qsizetype end = skipQuoted(inner, i);
      current += inner.mid(i, end - i);
      i = end - 1;
      continue;
    }
    if (c == u'(') ++depth;
    if (c == u')') --depth;
    if (c == u',' && depth == 0) {
      args.append(current.trimmed());
      current.clear();
      continue;
    }
    current += c;
  }
  if (!current.trimmed().isEmpty() || !args.isEmpty()) args.append(current.trimmed());
  return args;
}

// Searches expression texts for aggregate calls, following report variables.
class CallScanner {
 public:
  CallScanner(const TrpVariables* variables, std::function<void(const QString&)> found)
      : FVariables(variables), FFound(std::move(found)) {}

  void Scan(const QString& text, int depth = 0) {
    qsizetype i = 0;
    while (i < text.size()) {
      const QChar c = text[i];
      if (c == u'\'' || c == u'"') {
        i = skipQuoted(text, i);
      } else if (c == u'(' || c == u'<') {
        const QChar close = c == u'(' ? u')' : u'>';
        const qsizetype end = matchingClose(text, i, c, close);
        Scan(text.mid(i + 1, end - i - 1), depth);
        i = end + 1;
      } else if (isIdentStart(c)) {
        i = Identifier(text, i, depth);
      } else {
        ++i;
      }
    }
  }

 private:
  qsizetype Identifier(const QString& text, qsizetype start, int depth) {
    qsizetype i = start;
    while (i < text.size() && isIdentChar(text[i])) ++i;
    const QString name = text.mid(start, i - start);
    qsizetype next = i;
    while (next < text.size() && text[next].isSpace()) ++next;
    TrpAggregateFunction function;
    if (next < text.size() && text[next] == u'(' && rpAggregateFunctionOf(name, function)) {
      const qsizetype end = matchingClose(text, next, u'(', u')');
      FFound(text.mid(start, std::min(end + 1, text.size()) - start));
      return end + 1;
    }
    if (FVariables && depth < kMaxVariableDepth) {
      const int index = FVariables->IndexOf(name);
      if (index >= 0 && !FVariables->Items(index)->IsCategory())
        Scan(FVariables->Items(index)->ValueText(), depth + 1);
    }
    return i;
  }

  const TrpVariables* FVariables;
  std::function<void(const QString&)> FFound;
};

// The bands of `band`'s child chain, the band first.
QList<TrpBand*> withChildren(TrpBand* band) {
  QList<TrpBand*> chain;
  for (TrpBand* b = band; b && !chain.contains(b); b = b->Child()) chain.append(b);
  return chain;
}

// The group footers that close `dataBand`'s groups, following the group links.
QList<TrpBand*> groupFooters(TrpBand* dataBand) {
  QList<TrpBand*> footers;
  QSet<TrpBand*> seen;
  for (TrpBand* g = dataBand->FGroup; g && !seen.contains(g); g = g->FGroup) {
    seen.insert(g);
    if (g->FFooter) footers.append(g->FFooter);
  }
  return footers;
}

}  // namespace

TrpAggregateItem* TrpAggregateList::AddCall(const QString& callText, const QString& memoName,
                                            TrpBand* parentBand, TrpBand* dataBand) {
  const QString call = callText.trimmed();
  TrpAggregateFunction function;
  if (!rpAggregateFunctionOf(call.left(call.indexOf(u'(')).trimmed(), function)) return nullptr;
  const QStringList args = callArguments(call);
  // COUNT has no expression: its arguments start with the band.
  const int bandArg = function == agCount ? 0 : 1;
  auto item = std::make_unique<TrpAggregateItem>();
  item->Function = function;
  item->CallText = call;
  item->MemoName = memoName;
  item->ParentBand = parentBand;
  item->IsPageFooter = parentBand && parentBand->InheritsFrom(TrpPageFooter::StaticClassInfo());
  if (function != agCount) item->Expression = args.value(0);
  item->Band = dataBand;
  const QString bandName = args.value(bandArg);
  if (!bandName.isEmpty() && bandName != QLatin1String("0"))
    if (auto* named = dynamic_cast<TrpBand*>(FReport.FindObject(bandName))) item->Band = named;
  const int flags = args.value(bandArg + 1).toInt();
  item->CountInvisibleBands = (flags & rpAggregateCountInvisible) != 0;
  item->DontReset = (flags & rpAggregateDontReset) != 0;
  FItems.push_back(std::move(item));
  return FItems.back().get();
}

void TrpAggregateList::AddObjectCalls(TrpComponent& object, TrpBand* parentBand,
                                      TrpBand* dataBand, TrpBand* verticalBand, TrpBand* rowBand) {
  auto* memo = dynamic_cast<TrpCustomMemoView*>(&object);
  if (!memo || !memo->AllowExpressions()) return;
  const auto* report = dynamic_cast<const TrpReport*>(&FReport);
  CallScanner scanner(report ? &report->Variables() : nullptr, [&](const QString& call) {
    if (TrpAggregateItem* item = AddCall(call, memo->Name(), parentBand, dataBand)) {
      item->VerticalBand = verticalBand;
      item->RowBand = rowBand;
    }
  });
  const auto delimiters = TrpExpressionDelimiters::FromText(memo->ExpressionDelimiters());
  rpExpandBrackets(memo->Text(), delimiters, [&](const QString& expression, int) {
    scanner.Scan(expression);
    return QString();
  });
}

void TrpAggregateList::AddVerticalObject(TrpComponent& object, TrpBand* parentBand,
                                         TrpBand* dataBand, TrpBand& verticalBand,
                                         TrpBand* rowBand) {
  AddObjectCalls(object, parentBand, dataBand, &verticalBand, rowBand);
}

void TrpAggregateList::AddItems(TrpPage& page) {
  const auto addBand = [&](TrpBand* resultBand, TrpBand* dataBand) {
    for (TrpBand* band : withChildren(resultBand))
      for (TrpComponent* object : band->Objects()) AddObjectCalls(*object, band, dataBand, nullptr);
  };
  TrpBand* firstDataBand = nullptr;
  for (TrpComponent* object : page.Objects()) {
    auto* dataBand = dynamic_cast<TrpDataBand*>(object);
    // Vertical bands' totals are found through the objects they show (AddVerticalObject).
    if (!dataBand || dataBand->Vertical()) continue;
    if (!firstDataBand) firstDataBand = dataBand;
    if (dataBand->FFooter) addBand(dataBand->FFooter, dataBand);
    for (TrpBand* footer : groupFooters(dataBand)) addBand(footer, dataBand);
  }
  if (!firstDataBand) return;
  for (TrpComponent* object : page.Objects()) {
    auto* band = dynamic_cast<TrpBand*>(object);
    if (band && (band->InheritsFrom(TrpPageFooter::StaticClassInfo()) || band->InheritsFrom(TrpColumnFooter::StaticClassInfo()) ||
                 band->InheritsFrom(TrpReportSummary::StaticClassInfo())))
      addBand(band, firstDataBand);
  }
}
