// Preparing a text object: evaluating its text, highlights and styles, and restoring the
// definition after each output.
#include "report/model/bracket_scanner.h"
#include "report/model/custom_report.h"
#include "report/model/data_set.h"
#include "report/model/fill.h"
#include "report/model/frame.h"
#include "report/model/memo_format.h"
#include "report/model/memo_highlight.h"
#include "report/model/memo_inline_format.h"
#include "report/model/memo_macros.h"
#include "report/model/memo_saved_look.h"
#include "report/model/memo_value_format.h"
#include "report/model/memo_view.h"
#include "report/model/property_access.h"
#include "report/model/property_value.h"
#include "report/model/report_error.h"

#include <QBuffer>


namespace {

ScriptValue evaluate(TrpComponent& object, const QString& expression) {
  TrpCustomReport* report = object.Report();
  if (!report)
    throw TrpError(QStringLiteral("%1 belongs to no report that could evaluate \"%2\"").arg(object.Name(), expression));
  return report->Calc(expression);
}

bool isMacro(const QString& expression, const char* name) {
  return expression.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
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

QString TrpCustomMemoView::CalcAndFormat(const QString& expression, const TrpFormat& format) {
  const TrpInlineFormat split = rpSplitInlineFormat(expression);
  TrpFormat inlineFormat;
  const TrpFormat* used = &format;
  if (split.Kind) {
    inlineFormat.SetKind(*split.Kind);
    inlineFormat.SetFormatStr(split.FormatStr);
    inlineFormat.SetDecimalSeparator(split.DecimalSeparator);
    used = &inlineFormat;
  }
  // Known only when the page is drawn: left as the macro.
  if (isMacro(split.Expression, "TOTALPAGES#")) return rpTotalPagesMacro;
  if (isMacro(split.Expression, "COPYNAME#")) return rpCopyNameMacro;

  FValue = evaluate(*this, split.Expression);
  if (IsHiddenZero(FValue)) return {};
  return FormatData(FValue, used);
}

// A blob field holds the text itself; other fields need the data set's values, which data sets
// do not deliver yet.
void TrpCustomMemoView::GetDataFromField() {
  TrpDataSet* dataSet = DataSet();
  if (!dataSet->IsBlobField(DataField())) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  dataSet->AssignBlobTo(DataField(), buffer);
  SetText(QString::fromUtf8(bytes));
}

void TrpCustomMemoView::GetData() {
  TrpStretcheable::GetData();
  DisplayFormat();  // one format always exists from here on

  if (IsDataField()) {
    GetDataFromField();
  } else if (FAllowExpressions) {
    const TrpExpressionDelimiters delimiters = TrpExpressionDelimiters::FromText(FExpressionDelimiters);
    const QString text = Text();
    if (!delimiters.Open.isEmpty() && text.contains(delimiters.Open)) {
      const int last = FFormats->Count() - 1;
      SetText(rpExpandBrackets(text, delimiters, [&](const QString& expression, int index) {
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
  if (highlight.ApplyFont()) SetFont(*highlight.Font());
  if (highlight.ApplyFill()) SetFill(*highlight.Fill());
  if (highlight.ApplyFrame()) SetFrame(*highlight.Frame());
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

void TrpCustomMemoView::ApplyStyle(const TrpPersistent& style) {
  const auto flag = [&](const char* name) {
    const TrpPropertyRef ref = rpFindPropertyPath(style, QString::fromLatin1(name), false);
    return ref && ref.Value().toBool();
  };
  const auto object = [&](const char* name) -> const TrpPersistent* {
    const TrpPropertyRef ref = rpFindPropertyPath(style, QString::fromLatin1(name), false);
    return ref ? rpVariantToObject(ref.Value()) : nullptr;
  };
  if (flag("ApplyFill"))
    if (const auto* fill = dynamic_cast<const TrpCustomFill*>(object("Fill"))) SetFill(*fill);
  if (flag("ApplyFont"))
    if (const auto* font = dynamic_cast<const TrpFont*>(object("Font"))) SetFont(*font);
  if (flag("ApplyFrame"))
    if (const auto* frame = dynamic_cast<const TrpFrame*>(object("Frame"))) SetFrame(*frame);
}

void TrpCustomMemoView::SetStyle(const QString& value) {
  FStyle = value;
  const TrpCustomReport* report = Report();
  if (!report || IsLoading()) return;
  if (const TrpPersistent* style = report->FindStyle(value)) ApplyStyle(*style);
}

void TrpCustomMemoView::Loaded() {
  TrpStretcheable::Loaded();
  if (!FStyle.isEmpty()) SetStyle(FStyle);
}

void TrpCustomMemoView::BeforePrint() {
  TrpStretcheable::BeforePrint();
  FTextSaved = !IsDataField();
  if (FTextSaved) FSavedText = Text();
}

void TrpCustomMemoView::AfterPrint() {
  if (FTextSaved) SetText(FSavedText);
  FTextSaved = false;
  RestoreLook();
  TrpStretcheable::AfterPrint();
}

QString TrpCustomMemoView::GetComponentText() {
  QString text = Text();
  if (FAllowExpressions) rpResolveMemoMacros(text, TotalPages, CopyNo);
  return text;
}
