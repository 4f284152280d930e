#include "private_postgres_server.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>

#include <unistd.h>

namespace {

QString binDir() {
  const QDir root(QStringLiteral("/usr/lib/postgresql"));
  QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (auto it = versions.rbegin(); it != versions.rend(); ++it)
    if (QFile::exists(root.filePath(*it + QStringLiteral("/bin/initdb")))) return root.filePath(*it + QStringLiteral("/bin"));
  return {};
}

}  // namespace

PrivatePostgresServer::PrivatePostgresServer()
    : FDir(QDir::tempPath() + QStringLiteral("/stroval-pg-XXXXXX")),
      FPort(static_cast<int>(QRandomGenerator::global()->bounded(20000, 60000))) {}

PrivatePostgresServer::~PrivatePostgresServer() {
  if (FStarted)
    Run(binDir() + QStringLiteral("/pg_ctl"),
        {QStringLiteral("-D"), FDir.filePath(QStringLiteral("data")), QStringLiteral("-m"), QStringLiteral("immediate"),
         QStringLiteral("stop")});
}

QString PrivatePostgresServer::Unavailable() {
  if (binDir().isEmpty()) return QStringLiteral("no PostgreSQL server programs under /usr/lib/postgresql");
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) return QStringLiteral("no Qt PostgreSQL driver");
  return {};
}

bool PrivatePostgresServer::Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  if (geteuid() == 0)
    process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + arguments);
  else
    process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    FError = QStringLiteral("%1 failed: %2%3").arg(program, QString::fromLocal8Bit(process.readAllStandardError()),
                                                   QString::fromLocal8Bit(process.readAllStandardOutput()));
    return false;
  }
  return true;
}

bool PrivatePostgresServer::Start() {
  if (!FDir.isValid()) {
    FError = QStringLiteral("cannot make a temporary folder");
    return false;
  }
  if (geteuid() == 0 && QProcess::execute(QStringLiteral("chown"), {QStringLiteral("postgres:postgres"), FDir.path()}) != 0) {
    FError = QStringLiteral("cannot give the folder to the postgres user");
    return false;
  }
  const QString data = FDir.filePath(QStringLiteral("data"));
  const QString bin = binDir();
  if (!Run(bin + QStringLiteral("/initdb"), {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"),
                                             QStringLiteral("-U"), User(), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                             QStringLiteral("--no-sync"), QStringLiteral("--no-locale")}))
    return false;
  const QString options = QStringLiteral("-k %1 -c listen_addresses='' -p %2 -F").arg(FDir.path()).arg(FPort);
  if (!Run(bin + QStringLiteral("/pg_ctl"), {QStringLiteral("-D"), data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                                             FDir.filePath(QStringLiteral("server.log")), QStringLiteral("-w"),
                                             QStringLiteral("start")}))
    return false;
  FStarted = true;
  return true;
}
