// The print bracket of a view, its data expressions, its data binding and the legacy URL.
#include "report/datasets/data_set.h"
#include "report/objects/custom_report.h"
#include "report/objects/expand_variables.h"
#include "report/views/hyperlink.h"
#include "report/views/view.h"

namespace {

// Pieces of `text` between separators; an empty separator leaves the text whole.
QStringList pieces(const QString& text, const QString& separator) {
  if (separator.isEmpty()) return {text};
  return text.split(separator);
}

}  // namespace

void TrpView::BeforePrint() {
  TrpReportComponent::BeforePrint();
  FTempTag = FTagStr;
  FTempHyperlink = FHyperlink->Value();
  if (TrpCustomReport* report = Report()) report->SetSelfValue(this);
}

void TrpView::AfterPrint() {
  TrpReportComponent::AfterPrint();
  FTagStr = FTempTag;
  FHyperlink->SetValue(FTempHyperlink);
}

void TrpView::GetData() {
  TrpReportComponent::GetData();
  TrpCustomReport* report = Report();
  if (!report) return;
  const auto text = [report](const QString& expression) {
    return report->Calc(expression).ToText();
  };
  if (FTagStr.contains(u'[')) FTagStr = rpExpandVariables(FTagStr, text);

  const QString separator = FHyperlink->ValuesSeparator();
  if (FHyperlink->Value().contains(u'[')) {
    QStringList values = pieces(FHyperlink->Value(), separator);
    for (QString& v : values) v = rpExpandVariables(v, text);
    FHyperlink->SetValue(values.join(separator));
  }
  if (!FHyperlink->Expression().isEmpty()) {
    QStringList values = pieces(FHyperlink->Expression(), separator);
    for (QString& v : values) {
      const ScriptValue value = report->Calc(v);
      v = value.IsString() ? rpQuoteForScript(value.ToText(), report->ScriptLanguage())
                           : value.ToText();
    }
    FHyperlink->SetValue(values.join(separator));
  }
}

void TrpView::SetURL(const QString& value) {
  if (value.isEmpty()) return;
  if (value.startsWith(u'@')) {
    FHyperlink->SetKind(hkPageNumber);
    FHyperlink->SetValue(value.mid(1, 255));
  } else if (value.startsWith(u'#')) {
    FHyperlink->SetKind(hkAnchor);
    FHyperlink->SetValue(value.mid(1, 255));
  } else {
    FHyperlink->SetKind(hkURL);
    FHyperlink->SetValue(value);
  }
}

TrpDataSet* TrpView::DataSet() const { return FDataSetBinding.DataSet(); }

void TrpView::SetDataSet(TrpDataSet* value) { FDataSetBinding.SetDataSet(value); }

void TrpView::SetDataSetName(const QString& value) { FDataSetBinding.SetDataSetName(Report(), value); }

void TrpView::Notification(TrpComponent* removed) {
  FDataSetBinding.Forget(removed);
  TrpReportComponent::Notification(removed);
}
