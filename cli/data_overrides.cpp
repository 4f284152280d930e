#include "cli/data_overrides.h"

#include <QDir>
#include <QTextStream>

#include "cli/command_line.h"
#include "report/component/report.h"
#include "report/data/csv_data_set.h"
#include "report/data/db_connection.h"
#include "report/datasets/data_set.h"
#include "report/dialogs/dialog_controls.h"
#include "report/objects/report_error.h"

namespace {

template <class Object, class Matches>
Object* findObject(const TrpReport& report, Matches matches) {
  for (TrpComponent* object : report.AllObjects())
    if (auto* found = dynamic_cast<Object*>(object); found && matches(*found)) return found;
  return nullptr;
}

QStringList namesOf(const TrpReport& report, bool dataSets) {
  QStringList names;
  for (TrpComponent* object : report.AllObjects()) {
    if (auto* data = dynamic_cast<TrpDataSet*>(object); data && dataSets) names << data->UserName();
    if (dynamic_cast<TrpDBConnection*>(object) && !dataSets) names << object->Name();
  }
  return names.isEmpty() ? QStringList{QStringLiteral("none")} : names;
}

// "ALIAS=VALUE" split at the first "=", both parts required.
bool splitAssignment(const QString& text, QString& name, QString& value) {
  const qsizetype equals = text.indexOf(u'=');
  if (equals <= 0 || equals == text.size() - 1) return false;
  name = text.left(equals).trimmed();
  value = text.mid(equals + 1).trimmed();
  return !name.isEmpty() && !value.isEmpty();
}

// Replaces the data set `alias` by a CSV data set over `file`, under the same names, so the
// bands, pages and texts that name it read the file.
void useCSVFile(TrpReport& report, const QString& alias, const QString& file) {
  TrpDataSet* old = findObject<TrpDataSet>(report, [&](const TrpDataSet& d) {
    return d.UserName().compare(alias, Qt::CaseInsensitive) == 0;
  });
  if (!old)
    throw TrpError(QStringLiteral("--data %1: the report has no data set of that name (its data sets: %2)")
                       .arg(alias, namesOf(report, true).join(u", ")));
  const QString path = QDir::current().absoluteFilePath(file);
  if (auto* csv = dynamic_cast<TrpCSVDataSet*>(old)) {
    csv->SetFileName(path);
    return;
  }
  TrpComponent* parent = old->Parent() ? old->Parent() : &report;
  const QString name = old->Name(), userName = old->UserName();
  delete old;
  auto* csv = new TrpCSVDataSet(&report);
  csv->SetParent(parent);
  csv->SetName(name);
  csv->SetUserName(userName);
  csv->SetFileName(path);
}

QString driverOf(const QString& name) {
  const QString lower = name.toLower();
  if (lower == QLatin1String("sqlite")) return QStringLiteral("QSQLITE");
  if (lower == QLatin1String("postgresql") || lower == QLatin1String("postgres") || lower == QLatin1String("pg"))
    return QStringLiteral("QPSQL");
  return name.toUpper();
}

void useConnection(TrpReport& report, const QString& name, const QString& target, const TrpCommandLine& line) {
  auto* connection = findObject<TrpDBConnection>(report, [&](const TrpDBConnection& c) {
    return c.Name().compare(name, Qt::CaseInsensitive) == 0;
  });
  if (!connection)
    throw TrpError(QStringLiteral("--connection %1: the report has no connection of that name (its connections: %2)")
                       .arg(name, namesOf(report, false).join(u", ")));
  const qsizetype colon = target.indexOf(u':');
  if (colon <= 0) throw TrpError(QStringLiteral("--connection %1: give DRIVER:DATABASE, such as sqlite:school.db").arg(name));
  connection->SetDriver(driverOf(target.left(colon)));
  const QString database = target.mid(colon + 1);
  const bool file = connection->Driver() == QLatin1String("QSQLITE");
  connection->SetDatabaseName(file ? QDir::current().absoluteFilePath(database) : database);
  if (line.Has(QStringLiteral("host"))) connection->SetHost(line.Value(QStringLiteral("host")));
  if (line.Has(QStringLiteral("user"))) connection->SetUser(line.Value(QStringLiteral("user")));
  if (line.Has(QStringLiteral("port"))) {
    bool number = false;
    const int port = line.Value(QStringLiteral("port")).toInt(&number);
    if (!number || port <= 0 || port > 65535) throw TrpError(QStringLiteral("--port takes a number from 1 to 65535"));
    connection->SetPort(port);
  }
}

// Answers a dialog page's control as its user would have: an edit's or combo box's text, a check
// box's tick (true/false, yes/no, 1/0).
void answerDialogControl(const TrpReport& report, const QString& name, const QString& value) {
  auto* control = findObject<TrpDialogControl>(report, [&](const TrpDialogControl& c) { return c.Name() == name; });
  if (!control) throw TrpError(QStringLiteral("--param: the report has no dialog control \"%1\"").arg(name));
  if (auto* edit = dynamic_cast<TrpEditControl*>(control)) {
    edit->SetText(value);
  } else if (auto* combo = dynamic_cast<TrpComboBoxControl*>(control)) {
    combo->SetText(value);
  } else if (auto* check = dynamic_cast<TrpCheckBoxControl*>(control)) {
    static const QStringList kYes{"true", "yes", "1"}, kNo{"false", "no", "0"};
    if (kYes.contains(value, Qt::CaseInsensitive)) check->SetChecked(true);
    else if (kNo.contains(value, Qt::CaseInsensitive)) check->SetChecked(false);
    else throw TrpError(QStringLiteral("--param: %1 is a check box: true or false, not \"%2\"").arg(name, value));
  } else {
    throw TrpError(QStringLiteral("--param: \"%1\" takes no answer (only edits, combo boxes and check boxes do)").arg(name));
  }
}

}  // namespace

bool rpApplyDataOverrides(TrpReport& report, const TrpCommandLine& line, QTextStream& err) {
  try {
    for (const QString& data : line.Values(QStringLiteral("data"))) {
      QString alias, file;
      if (!splitAssignment(data, alias, file)) throw TrpError(QStringLiteral("--data takes ALIAS=FILE.csv, not \"%1\"").arg(data));
      useCSVFile(report, alias, file);
    }
    for (const QString& connection : line.Values(QStringLiteral("connection"))) {
      QString name, target;
      if (!splitAssignment(connection, name, target))
        throw TrpError(QStringLiteral("--connection takes NAME=DRIVER:DATABASE, not \"%1\"").arg(connection));
      useConnection(report, name, target, line);
    }
    if (const QString timeout = line.Value(QStringLiteral("script-timeout")); !timeout.isEmpty()) {
      bool ok = false;
      const double seconds = timeout.toDouble(&ok);
      if (!ok || !(seconds > 0) || seconds > 86400)
        throw TrpError(QStringLiteral("--script-timeout takes seconds above 0 and at most 86400, not \"%1\"").arg(timeout));
      report.SetScriptTimeout(seconds);
    }
    for (const QString& param : line.Values(QStringLiteral("param"))) {
      QString name, value;
      if (!splitAssignment(param, name, value))
        throw TrpError(QStringLiteral("--param takes NAME=VALUE, not \"%1\"").arg(param));
      answerDialogControl(report, name, value);
    }
  } catch (const std::exception& e) {
    err << "stroval-report: " << rpErrorText(e) << '\n';
    return false;
  }
  return true;
}
