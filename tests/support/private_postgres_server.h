#pragma once
// A PostgreSQL server of the tests' own: a new cluster in a temporary folder, listening only on a
// Unix socket in that folder, stopped and removed when the object goes. As root the server runs as
// the system's postgres user (it refuses to run as root).
#include <QString>
#include <QTemporaryDir>

class PrivatePostgresServer {
 public:
  PrivatePostgresServer();
  ~PrivatePostgresServer();
  PrivatePostgresServer(const PrivatePostgresServer&) = delete;
  PrivatePostgresServer& operator=(const PrivatePostgresServer&) = delete;

  // Why no server can run here (no server programs, no Qt driver), or empty.
  static QString Unavailable();
  bool Start();
  const QString& Error() const { return FError; }

  // Where clients connect: the socket folder as the host, the port, the user (trusted, no
  // password).
  QString Host() const { return FDir.path(); }
  int Port() const { return FPort; }
  static QString User() { return QStringLiteral("stroval"); }

 private:
  bool Run(const QString& program, const QStringList& arguments);

  QTemporaryDir FDir;
  int FPort;
  QString FError;
  bool FStarted = false;
};
