#include "report/data/db_connection.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUuid>

#include "report/data/data_file_path.h"
#include "report/model/class_info.h"
#include "report/model/property_builders.h"
#include "report/model/report_error.h"

namespace {

bool isSQLite(const QString& driver) { return driver.compare(QLatin1String("QSQLITE"), Qt::CaseInsensitive) == 0; }

}  // namespace

TrpDataPasswordSource& rpDataPasswordSource() {
  static TrpDataPasswordSource source;
  return source;
}

TrpDBConnection::TrpDBConnection(TrpComponent* owner)
    : TrpDialogComponent(owner), FConnectionName(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

TrpDBConnection::~TrpDBConnection() {
  Disconnect();
  FDatabase = QSqlDatabase();
  QSqlDatabase::removeDatabase(FConnectionName);
}

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

// Any change of where to connect closes the open connection.
void TrpDBConnection::SetDriver(const QString& value) { Disconnect(); FDriver = value.trimmed().toUpper(); }
void TrpDBConnection::SetDatabaseName(const QString& value) { Disconnect(); FDatabaseName = value; }
void TrpDBConnection::SetHost(const QString& value) { Disconnect(); FHost = value; }
void TrpDBConnection::SetPort(int value) { Disconnect(); FPort = value; }
void TrpDBConnection::SetUser(const QString& value) { Disconnect(); FUser = value; }

QString TrpDBConnection::Location() const {
  if (isSQLite(FDriver)) return rpDataFilePath(*this, FDatabaseName);
  QString where = FHost.isEmpty() ? QStringLiteral("localhost") : FHost;
  if (FPort > 0) where += u':' + QString::number(FPort);
  return where + u'/' + FDatabaseName;
}

void TrpDBConnection::Disconnect() {
  if (FDatabase.isOpen()) FDatabase.close();
}

QSqlDatabase TrpDBConnection::OpenCopy(const QString& name) {
  QSqlDatabase copy = QSqlDatabase::database(name, false);
  if (copy.isValid() && copy.isOpen()) return copy;
  copy = QSqlDatabase::cloneDatabase(Database(), name);
  if (!copy.open())
    throw TrpError(QStringLiteral("%1: cannot open the database %2: %3").arg(Name(), Location(), copy.lastError().text()));
  return copy;
}

QSqlDatabase& TrpDBConnection::Database() {
  if (FDatabase.isOpen()) return FDatabase;
  const QString name = Name().isEmpty() ? QStringLiteral("connection") : Name();
  if (!QSqlDatabase::isDriverAvailable(FDriver))
    throw TrpError(QStringLiteral("%1: the database driver \"%2\" is not installed (installed: %3)")
                       .arg(name, FDriver, QSqlDatabase::drivers().join(u", ")));
  if (FDatabase.isValid() && FDatabase.driverName() != FDriver) {
    FDatabase = QSqlDatabase();
    QSqlDatabase::removeDatabase(FConnectionName);
  }
  if (!FDatabase.isValid()) FDatabase = QSqlDatabase::addDatabase(FDriver, FConnectionName);
  const QString location = Location();
  if (isSQLite(FDriver)) {
    // Opening a missing file would create an empty database and report no error.
    if (!QFileInfo(location).isFile())
      throw TrpError(QStringLiteral("%1: the database file \"%2\" does not exist").arg(name, location));
    FDatabase.setDatabaseName(location);
    FDatabase.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
  } else {
    FDatabase.setDatabaseName(FDatabaseName);
    FDatabase.setHostName(FHost);
    if (FPort > 0) FDatabase.setPort(FPort);
    FDatabase.setUserName(FUser);
    QString password = rpDataPasswordSource() ? rpDataPasswordSource()(*this) : QString();
    if (password.isEmpty()) password = qEnvironmentVariable("STROVAL_DB_PASSWORD");
    FDatabase.setPassword(password);
  }
  if (!FDatabase.open())
    throw TrpError(QStringLiteral("%1: cannot open the database %2: %3").arg(name, location, FDatabase.lastError().text()));
  return FDatabase;
}
