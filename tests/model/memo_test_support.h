#pragma once
// A report whose expression evaluation is a table the test fills: the stand-in for the script
// engine. It records every expression it was asked for.
#include <QHash>
#include <QStringList>

#include "qstring_printer.h"
#include "report/objects/custom_report.h"
#include "report/objects/report_error.h"
#include "script_engine/interpreter/value.h"

class CalcTableReport : public TrpCustomReport {
 public:
  ScriptValue Calc(const QString& expression) override {
    Asked << expression;
    const auto it = Values.constFind(expression);
    if (it == Values.constEnd()) throw TrpError(QStringLiteral("Unknown expression ") + expression);
    return *it;
  }
  QHash<QString, ScriptValue> Values;
  QStringList Asked;
};
