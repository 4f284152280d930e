#include "report/data/db_connection.h"

#include <QFileInfo>
#include <QSqlError>

#include "report/data/data_file_path.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"

namespace {

bool isSQLite(const QString& driver) { return driver.compare(QLatin1String("QSQLITE"), Qt::CaseInsensitive) == 0; }

}  // namespace

TrpDataPasswordSource& rpDataPasswordSource() {
  static TrpDataPasswordSource source;
  return source;
}

TrpDBConnection::TrpDBConnection(TrpComponent* owner) : TrpDialogComponent(owner) {}

const TrpClassInfo& TrpDBConnection::StaticClassInfo() {
  using C = TrpDBConnection;
  static const TrpClassInfo info(
      "TrpDBConnection", &TrpDialogComponent::StaticClassInfo(), &Create,
      {rpString<&C::Driver, &C::SetDriver>("Driver").WithDefault(QStringLiteral("QSQLITE")),
       rpString<&C::DatabaseName, &C::SetDatabaseName>("DatabaseName"),
       rpString<&C::Host, &C::SetHost>("Host"),
       rpInteger<&C::Port, &C::SetPort>("Port", 0),
       rpString<&C::User, &C::SetUser>("User")});
  return info;
}

const TrpClassInfo& TrpDBConnection::ClassInfo() const { return StaticClassInfo(); }

void TrpDBConnection::SetDriver(const QString& value) { FDriver = value.trimmed().toUpper(); }

QString TrpDBConnection::Location() const {
  if (isSQLite(FDriver)) return rpDataFilePath(*this, FDatabaseName);
  QString where = FHost.isEmpty() ? QStringLiteral("localhost") : FHost;
  if (FPort > 0) where += u':' + QString::number(FPort);
  return where + u'/' + FDatabaseName;
}

QSqlDatabase TrpDBConnection::Open(const QString& name) {
  QSqlDatabase database = QSqlDatabase::database(name, false);
  if (database.isValid() && database.isOpen()) return database;
  const QString connection = Name().isEmpty() ? QStringLiteral("connection") : Name();
  if (!QSqlDatabase::isDriverAvailable(FDriver))
    throw TrpError(QStringLiteral("%1: the database driver \"%2\" is not installed (installed: %3)")
                       .arg(connection, FDriver, QSqlDatabase::drivers().join(u", ")));
  const QString location = Location();
  // Opening a missing file would create an empty database and report no error.
  if (isSQLite(FDriver) && !QFileInfo(location).isFile())
    throw TrpError(QStringLiteral("%1: the database file \"%2\" does not exist").arg(connection, location));
  database = QSqlDatabase::addDatabase(FDriver, name);
  if (isSQLite(FDriver)) {
    database.setDatabaseName(location);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
  } else {
    database.setDatabaseName(FDatabaseName);
    database.setHostName(FHost);
    if (FPort > 0) database.setPort(FPort);
    database.setUserName(FUser);
    QString password = rpDataPasswordSource() ? rpDataPasswordSource()(*this) : QString();
    if (password.isEmpty()) password = qEnvironmentVariable("STROVAL_DB_PASSWORD");
    database.setPassword(password);
  }
  if (!database.open())
    throw TrpError(QStringLiteral("%1: cannot open the database %2: %3").arg(connection, location, database.lastError().text()));
  return database;
}
