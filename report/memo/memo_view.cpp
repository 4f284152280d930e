// Text objects: construction, text access, references, and the prepared-copy record.
#include "report/memo/memo_view.h"

#include <utility>

#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/memo/memo_saved_look.h"
#include "report/objects/charset.h"
#include "report/objects/class_cast.h"
#include "report/objects/custom_report.h"
#include "report/objects/float_text.h"
#include "report/objects/report_error.h"
#include "report/res/resources.h"
#include "report/xml/xml_text.h"

namespace {
constexpr TrpEnumValue kHAligns[] = {{"haLeft", haLeft}, {"haRight", haRight}, {"haCenter", haCenter}, {"haBlock", haBlock}};
constexpr TrpEnumValue kVAligns[] = {{"vaTop", vaTop}, {"vaBottom", vaBottom}, {"vaCenter", vaCenter}};
}  // namespace

const TrpEnumType rpHAlignType{"TrpHAlign", kHAligns};
const TrpEnumType rpVAlignType{"TrpVAlign", kVAligns};

// Text objects decide themselves what their record holds (csDefaultDiff off) and write their
// formats and highlights as nested collections.
TrpCustomMemoView::TrpCustomMemoView(TrpComponent* owner)
    : TrpStretcheable(owner),
      FFormats(std::make_unique<TrpFormatCollection>()),
      FHighlights(std::make_unique<TrpHighlightCollection>()) {
  SetParentFont(true);
  SetrpComponentStyle(rpComponentStyle() - TrpComponentStyle{csDefaultDiff} +
                      TrpComponentStyle{csHandlesNestedProperties});
}


TrpCustomMemoView::~TrpCustomMemoView() = default;

QString TrpCustomMemoView::GetDescription() const { return rpResources()->Get(QStringLiteral("obText")); }
QString TrpSysMemoView::GetDescription() const { return rpResources()->Get(QStringLiteral("obSysText")); }

// ---------------------------------------------------------------- text

// Every shown text object reads and writes its text once or twice per output: one allocation for
// the text, and lines taken whole.
QString TrpCustomMemoView::Text() const {
  qsizetype size = 0;
  for (const QString& line : FMemo) size += line.size() + 2;
  QString text;
  text.reserve(size);
  for (const QString& line : FMemo) {
    text += line;
    text += QLatin1String("\r\n");
  }
  return text;
}

void TrpCustomMemoView::SetText(const QString& value) {
  FMemo.clear();
  qsizetype start = 0;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c != u'\r' && c != u'\n') continue;
    FMemo << value.sliced(start, i - start);
    if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  // A text without a break is kept as it is, without a copy.
  if (start == 0 && !value.isEmpty()) FMemo << value;
  else if (start < value.size()) FMemo << value.sliced(start);
}

// The same lines as from a copy; a text of one line, with or without its break, becomes that
// line in its own storage (an evaluated text for every row is mostly one line).
void TrpCustomMemoView::SetText(QString&& value) {
  qsizetype lineEnd = 0;
  while (lineEnd < value.size() && value[lineEnd] != u'\r' && value[lineEnd] != u'\n') ++lineEnd;
  const qsizetype breakSize = value.size() - lineEnd;
  const bool oneLine =
      breakSize <= 1 || (breakSize == 2 && value[lineEnd] == u'\r' && value[lineEnd + 1] == u'\n');
  if (!oneLine) {
    SetText(std::as_const(value));
    return;
  }
  FMemo.clear();
  if (value.isEmpty()) return;
  value.truncate(lineEnd);
  FMemo << std::move(value);
}

void TrpCustomMemoView::SetTextLines(const QString& value) {
  SetText(value);
  if (value.endsWith(u'\r') || value.endsWith(u'\n')) FMemo << QString();
}

QByteArray TrpCustomMemoView::AnsiText() const { return rpUnicodeToCharset(Text(), Font()->Charset()); }

void TrpCustomMemoView::SetAnsiText(const QByteArray& value) {
  SetText(rpCharsetToUnicode(value, Font()->Charset()));
}

// ---------------------------------------------------------------- formats and highlights

TrpFormat* TrpCustomMemoView::DisplayFormat() const {
  if (FFormats->Count() == 0) FFormats->Add();
  return FFormats->Items(0);
}

void TrpCustomMemoView::SetDisplayFormat(const TrpFormat& value) {
  TrpFormat* first = DisplayFormat();
  if (first != &value) first->Assign(value);
}

TrpHighlight* TrpCustomMemoView::Highlight() const {
  if (FHighlights->Count() == 0) FHighlights->Add();
  return FHighlights->Items(0);
}

void TrpCustomMemoView::SetHighlight(const TrpHighlight& value) {
  TrpHighlight* first = Highlight();
  if (first != &value) first->Assign(value);
}

void TrpCustomMemoView::Assign(const TrpPersistent& source) {
  TrpStretcheable::Assign(source);
  const auto* memo = dynamic_cast<const TrpCustomMemoView*>(&source);
  if (!memo || memo == this) return;
  FMemo = memo->FMemo;
  FFormats->Assign(*memo->FFormats);
  FHighlights->Assign(*memo->FHighlights);
}

// ---------------------------------------------------------------- references

void TrpCustomMemoView::SetFlowTo(TrpCustomMemoView* value) {
  if (value == this)
    throw TrpError(QStringLiteral("%1 cannot flow its text into itself").arg(Name()));
  FFlowTo = value;
}

void TrpCustomMemoView::Notification(TrpComponent* removed) {
  if (removed == FFlowTo) FFlowTo = nullptr;
  TrpStretcheable::Notification(removed);
}

// ---------------------------------------------------------------- prepared-copy record

void TrpCustomMemoView::AppendDiff(const TrpComponent& other, QString& result) const {
  // The class record holds everything up to WordWrap, the text as "u" included.
  TrpStretcheable::AppendDiff(other, result);
  if (FFormats->Count() == 1) {
    const TrpFormat& mine = *FFormats->Items(0);
    const auto* theirs = rpDynamicCast<const TrpCustomMemoView>(&other);
    const TrpFormat* ref = theirs && theirs->Formats().Count() > 0 ? theirs->Formats().Items(0) : nullptr;
    // A format as created, only compared with: one for every call instead of one per record.
    static const TrpFormat defaults;
    if (!ref) ref = &defaults;
    const auto appendText = [&result](QLatin1String name, const QString& value) {
      result += name;
      result += rpStrToXML(value);
      result += u'"';
    };
    if (mine.Kind() != ref->Kind()) {
      result += QLatin1String(" DisplayFormat.Kind=\"");
      result += QString::number(static_cast<int>(mine.Kind()));
      result += u'"';
    }
    if (mine.DecimalSeparator() != ref->DecimalSeparator())
      appendText(QLatin1String(" DisplayFormat.DecimalSeparator=\""), mine.DecimalSeparator());
    if (mine.ThousandSeparator() != ref->ThousandSeparator())
      appendText(QLatin1String(" DisplayFormat.ThousandSeparator=\""), mine.ThousandSeparator());
    if (mine.FormatStr() != ref->FormatStr())
      appendText(QLatin1String(" DisplayFormat.FormatStr=\""), mine.FormatStr());
  }
  if (FFirstParaBreak) result += QLatin1String(" FirstParaBreak=\"1\"");
  if (FLastParaBreak) result += QLatin1String(" LastParaBreak=\"1\"");
  FFirstParaBreak = FLastParaBreak;
  FLastParaBreak = false;
}
