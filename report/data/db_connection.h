#pragma once
// TrpDBConnection: a database a report reads through Qt SQL: the driver (SQLite unless another is
// named: "QPSQL" for PostgreSQL, or any installed Qt SQL driver), the database (for SQLite a file,
// relative to the report's file), and for servers host, port and user. The password is never
// stored in a report file: the program gives it (rpDataPasswordSource), else the environment
// variable STROVAL_DB_PASSWORD. SQLite databases open read-only, and a missing file is an error:
// a mistyped name never leaves an empty new database behind.
#include <QSqlDatabase>
#include <QString>

#include <functional>

#include "report/objects/dialog_component.h"

class TrpDBConnection : public TrpDialogComponent {
 public:
  explicit TrpDBConnection(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpDBConnection(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& Driver() const { return FDriver; }
  void SetDriver(const QString& value);
  const QString& DatabaseName() const { return FDatabaseName; }
  void SetDatabaseName(const QString& value) { FDatabaseName = value; }
  const QString& Host() const { return FHost; }
  void SetHost(const QString& value) { FHost = value; }
  int Port() const { return FPort; }
  void SetPort(int value) { FPort = value; }
  const QString& User() const { return FUser; }
  void SetUser(const QString& value) { FUser = value; }

  // Opens a database connection of its own, named `name`, for one reader (a server connection
  // carries one query's rows at a time, and a detail query runs while its master's rows are still
  // read); a connection of that name already open is handed back. The reader removes it with
  // QSqlDatabase::removeDatabase when done. Raises TrpError naming the connection, the database and
  // the driver's reason when it cannot be opened.
  QSqlDatabase Open(const QString& name);
  // Where the database is: the resolved file for SQLite, else host:port/name.
  QString Location() const;

 private:
  QString FDriver = QStringLiteral("QSQLITE");
  QString FDatabaseName, FHost, FUser;
  int FPort = 0;
};

// Asks the program for the password of `connection` (its name, user and database); an empty
// answer falls back to the environment variable STROVAL_DB_PASSWORD.
using TrpDataPasswordSource = std::function<QString(const TrpDBConnection& connection)>;
TrpDataPasswordSource& rpDataPasswordSource();
