// Reading and writing prepared-page-sized XML documents: every prepared page and report file
// passes through this code, so its throughput bounds saving, opening and page rebuilding.
#include "report/xml/xml_document.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

// A document shaped like prepared pages: `pages` pages of 70 object records each.
QByteArray makeDocument(int pages) {
  TrpXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("preparedreport"));
  TrpXMLItem* pagesItem = doc.Root()->Add(QStringLiteral("previewpages"));
  for (int p = 0; p < pages; ++p) {
    TrpXMLItem* page = pagesItem->Add(QStringLiteral("page"));
    page->SetUnloadable(true);
    for (int o = 0; o < 70; ++o) {
      TrpXMLItem* record = page->Add(QStringLiteral("b"));
      record->SetProp(QStringLiteral("s"), QString::number(o));
      record->SetProp(QStringLiteral("l"), QString::number(o * 120.5));
      record->SetProp(QStringLiteral("t"), QString::number(p * 10 + o));
      record->SetProp(QStringLiteral("x"), QStringLiteral("\u5B57 cell \"%1\"").arg(o));
    }
  }
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  doc.SaveToStream(&out);
  return out.data();
}

void ReadDocument(benchmark::State& state) {
  const QByteArray text = makeDocument(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QBuffer in;
    in.setData(text);
    in.open(QIODevice::ReadOnly);
    TrpXMLDocument doc;
    doc.LoadFromStream(&in);
    benchmark::DoNotOptimize(doc.Root()->Count());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(ReadDocument)->Arg(10)->Arg(100);

void WriteDocument(benchmark::State& state) {
  const QByteArray text = makeDocument(static_cast<int>(state.range(0)));
  QBuffer in;
  in.setData(text);
  in.open(QIODevice::ReadOnly);
  TrpXMLDocument doc;
  doc.LoadFromStream(&in);
  for (auto _ : state) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    doc.SaveToStream(&out);
    benchmark::DoNotOptimize(out.data().size());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(WriteDocument)->Arg(10)->Arg(100);

void PropLookup(benchmark::State& state) {
  TrpXMLItem item;
  for (int i = 0; i < 20; ++i) item.SetProp(QStringLiteral("Attr%1").arg(i), QString::number(i));
  const QString last = QStringLiteral("attr19");
  for (auto _ : state) benchmark::DoNotOptimize(item.Prop(last));
}
BENCHMARK(PropLookup);

}  // namespace
