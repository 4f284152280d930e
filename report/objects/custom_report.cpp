#include "report/objects/custom_report.h"

#include <algorithm>

#include "report/objects/class_info.h"
#include "report/objects/report_error.h"
#include "report/text/draw_text.h"

TrpCustomReport::TrpCustomReport()
    : TrpComponent(nullptr), FDrawText(std::make_unique<TrpDrawText>()) {
  SetrpComponentStyle(rpComponentStyle() + TrpComponentStyle{csHandlesNestedProperties});
}

TrpCustomReport::~TrpCustomReport() {
  // Free the tree and the owned objects while this is still a report, so that objects asking
  // for their report during their own destruction get a whole one.
  Clear();
  while (!Components().isEmpty()) delete Components().last();
}

const TrpClassInfo& TrpCustomReport::StaticClassInfo() {
  static const TrpClassInfo info("TrpCustomReport", &TrpComponent::StaticClassInfo(), nullptr, {});
  return info;
}

const TrpClassInfo& TrpCustomReport::ClassInfo() const { return StaticClassInfo(); }

void TrpCustomReport::AddError(const QString& message) {
  const auto less = [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  };
  const auto it = std::lower_bound(FErrors.begin(), FErrors.end(), message, less);
  if (it != FErrors.end() && it->compare(message, Qt::CaseInsensitive) == 0) return;
  FErrors.insert(it, message);
}

void TrpCustomReport::AddErrors(const QStringList& messages) {
  for (const QString& m : messages) AddError(m);
}

ScriptValue TrpCustomReport::Calc(const QString& expression) {
  throw TrpError(QStringLiteral("This report has no script to evaluate \"%1\"").arg(expression));
}
