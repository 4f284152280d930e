#include "il_render.h"

#include "script_engine/front/lexer.h"

QString RenderIL(const TscXMLItem& item) {
  QString s = item.Name();
  if (item.PropExists(QStringLiteral("text"))) s += QLatin1Char(':') + item.Prop(QStringLiteral("text"));
  if (item.Count() == 0) return s;
  QStringList children;
  for (int i = 0; i < item.Count(); ++i) children << RenderIL(*item.Items(i));
  return s + QLatin1Char('(') + children.join(QLatin1Char(' ')) + QLatin1Char(')');
}

Phase1Result RunPhase1(const QString& syntax, const QStringList& lines, TscCompileOptions options) {
  TscILParser parser(std::move(options));
  parser.SelectLanguage(syntax);
  Phase1Result r;
  r.ok = parser.MakeILScript(lines);
  r.message = parser.ErrorMsg();
  r.position = parser.ErrorPos();
  r.unit = parser.ErrorUnit();
  if (r.ok) {
    const TscXMLItem* root = parser.ILScript().Root();
    QStringList children;
    for (int i = 0; i + 1 < root->Count(); ++i) children << RenderIL(*root->Items(i));  // last: types
    r.il = children.join(QLatin1Char(' '));
  }
  return r;
}
