// Preparing a text object: evaluating its text, highlights and styles, and restoring the
// definition after each output.
#include "report/datasets/data_set.h"
#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/memo/memo_macros.h"
#include "report/memo/memo_saved_look.h"
#include "report/memo/memo_value_format.h"
#include "report/memo/memo_view.h"
#include "report/memo/styles.h"
#include "report/objects/custom_report.h"
#include "report/objects/property_access.h"
#include "report/objects/property_value.h"
#include "report/objects/report_error.h"
#include "report/views/fill.h"
#include "report/views/frame.h"

#include <QBuffer>

#include <algorithm>


namespace {

ScriptValue evaluate(TrpComponent& object, const QString& expression) {
  TrpCustomReport* report = object.Report();
  if (!report)
    throw TrpError(QStringLiteral("%1 belongs to no report that could evaluate \"%2\"").arg(object.Name(), expression));
  return report->Calc(expression);
}

}  // namespace

bool TrpCustomMemoView::IsHiddenZero(const ScriptValue& value) const {
  if (!FHideZeros || value.IsEmptyOrNull() || value.IsString()) return false;
  if (value.IsBoolean()) return !value.ToBool();
  return value.IsNumeric() && value.ToDouble() == 0;
}

QString TrpCustomMemoView::FormatData(const ScriptValue& value, const TrpFormat* format) const {
  return rpFormatValue(value, format ? *format : *DisplayFormat());
}

QString TrpCustomMemoView::CalcAndFormat(const TrpMemoTextTemplate::Expression& expression, const TrpFormat& format) {
  using Macro = TrpMemoTextTemplate::Macro;
  if (expression.Later == Macro::TotalPages) return rpTotalPagesMacro;
  if (expression.Later == Macro::CopyName) return rpCopyNameMacro;
  const TrpInlineFormat& split = expression.Split;
  FValue = evaluate(*this, split.Expression);
  if (IsHiddenZero(FValue)) return {};
  if (!split.Kind) return FormatData(FValue, &format);
  TrpFormat inlineFormat;
  inlineFormat.SetKind(*split.Kind);
  inlineFormat.SetFormatStr(split.FormatStr);
  inlineFormat.SetDecimalSeparator(split.DecimalSeparator);
  return FormatData(FValue, &inlineFormat);
}

// A blob field holds the text itself. Any other field gives its value, shown through the display
// format, or as the data set displays it when the format is plain text.
void TrpCustomMemoView::GetDataFromField() {
  TrpDataSet* dataSet = DataSet();
  if (dataSet->IsBlobField(DataField())) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    dataSet->AssignBlobTo(DataField(), buffer);
    SetText(QString::fromUtf8(bytes));
    return;
  }
  FValue = dataSet->GetValue(DataField());
  if (IsHiddenZero(FValue))
    SetText(QString());
  else if (DisplayFormat()->Kind() != fkText)
    SetText(FormatData(FValue, nullptr));
  else
    SetText(dataSet->GetDisplayText(DataField()));
}

void TrpCustomMemoView::GetData() {
  TrpStretcheable::GetData();
  DisplayFormat();  // one format always exists from here on

  if (IsDataField()) {
    GetDataFromField();
  } else if (FAllowExpressions) {
    if (!FTextTemplate || !FTextTemplate->MadeFrom(FMemo, FExpressionDelimiters))
      FTextTemplate = std::make_shared<const TrpMemoTextTemplate>(FMemo, FExpressionDelimiters);
    // Held here: an expression's script may change this object's text while it is expanded.
    const std::shared_ptr<const TrpMemoTextTemplate> text = FTextTemplate;
    if (const TrpMemoTextTemplate::Expression* sole = text->SoleExpression()) {
      // The value becomes the text's line as it is; only a value that is empty or ends with a
      // line end needs the text's own line end to split into the same lines.
      QString value = CalcAndFormat(*sole, *FFormats->Items(0));
      if (value.isEmpty() || value.endsWith(u'\r') || value.endsWith(u'\n')) value += QLatin1String("\r\n");
      SetText(std::move(value));
    } else if (text->HasExpressions()) {
      const int last = FFormats->Count() - 1;
      SetText(text->Expand([&](const TrpMemoTextTemplate::Expression& expression, int index) {
        return CalcAndFormat(expression, *FFormats->Items(std::min(index, last)));
      }));
    }
  }

  if (TrpCustomReport* report = Report()) report->SetLocalValue(FValue);
  ApplyHighlights();

  if (FSuppressRepeated) {
    const QString text = Text();
    if (FLastValue.IsString() && FLastValue.ToString() == text)
      FMemo.clear();
    else
      FLastValue = text;
  }

  if (FFlowTo) {
    InitPart();
    DrawPart();
    FFlowTo->SetText(FPartText);
    FFlowTo->SetAllowExpressions(false);
  }
}

void TrpCustomMemoView::ApplyHighlights() {
  for (int i = 0; i < FHighlights->Count(); ++i) {
    const TrpHighlight& h = *FHighlights->Items(i);
    if (h.Condition().trimmed().isEmpty()) continue;
    if (!evaluate(*this, h.Condition()).ToBool()) continue;
    if (!FSavedLook) {
      FSavedLook = std::make_unique<SavedLook>();
      FSavedLook->Font = std::make_unique<TrpFont>();
      FSavedLook->Font->Assign(*Font());
      FSavedLook->ParentFont = ParentFont();
      FSavedLook->Fill = rpCreateFill(FillType());
      FSavedLook->Fill->Assign(*Fill());
      FSavedLook->Frame = std::make_unique<TrpFrame>();
      FSavedLook->Frame->Assign(*Frame());
      FSavedLook->Visible = Visible();
    }
    ApplyHighlight(h);
    return;
  }
}

void TrpCustomMemoView::ApplyHighlight(const TrpHighlight& highlight) {
  ApplyLook(highlight);
  SetVisible(highlight.Visible());
}

void TrpCustomMemoView::ApplyPreviewHighlight() {
  if (FHighlights->Count() > 0 && FHighlights->Items(0)->Active()) ApplyHighlight(*FHighlights->Items(0));
}

void TrpCustomMemoView::RestoreLook() {
  if (!FSavedLook) return;
  SetFont(*FSavedLook->Font);
  if (FSavedLook->ParentFont) SetParentFont(true);
  SetFill(*FSavedLook->Fill);
  SetFrame(*FSavedLook->Frame);
  SetVisible(FSavedLook->Visible);
  FSavedLook.reset();
}

void TrpCustomMemoView::ApplyLook(const TrpLookItem& look) {
  if (look.ApplyFill()) SetFill(*look.Fill());
  if (look.ApplyFont()) SetFont(*look.Font());
  if (look.ApplyFrame()) SetFrame(*look.Frame());
}

void TrpCustomMemoView::SetStyle(const QString& value) {
  FStyle = value;
  const TrpCustomReport* report = Report();
  if (!report || IsLoading()) return;
  if (const TrpStyleItem* style = report->FindStyle(value)) ApplyLook(*style);
}

void TrpCustomMemoView::Loaded() {
  TrpStretcheable::Loaded();
  if (!FStyle.isEmpty()) SetStyle(FStyle);
}

void TrpCustomMemoView::BeforePrint() {
  TrpStretcheable::BeforePrint();
  FTextSaved = !IsDataField();
  if (!FTextSaved) return;
  // The lines are kept as they are (a shared copy) unless one holds a line break of its own: the
  // text then comes back split at it, as its lines would be read from the text.
  const bool ownBreaks = std::any_of(FMemo.cbegin(), FMemo.cend(), [](const QString& line) {
    return line.contains(u'\r') || line.contains(u'\n');
  });
  if (!ownBreaks) {
    FSavedMemo = FMemo;
    return;
  }
  const QStringList designed = FMemo;
  SetText(Text());
  FSavedMemo = FMemo;
  FMemo = designed;
}

void TrpCustomMemoView::AfterPrint() {
  if (FTextSaved) FMemo = FSavedMemo;
  FTextSaved = false;
  RestoreLook();
  TrpStretcheable::AfterPrint();
}

QString TrpCustomMemoView::GetComponentText() {
  QString text = Text();
  if (FAllowExpressions) rpResolveMemoMacros(text, TotalPages, CopyNo);
  return text;
}
