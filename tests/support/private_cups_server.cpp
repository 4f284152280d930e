#include "private_cups_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QStringList kSbin = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")};
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");

QString Program(const char* name) {
  return QStandardPaths::findExecutable(QLatin1String(name), kSbin);
}

bool WriteFile(const QString& path, const QString& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(text.toUtf8()) == text.toUtf8().size();
}

// Where cups-pdf puts the documents of the calling user: the "Out" line of its configuration,
// with ${HOME} and ${USER} filled in (its built-in default otherwise).
QString CupsPdfOutputDir() {
  QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
  QFile conf(kPdfConf);
  if (conf.open(QIODevice::ReadOnly)) {
    for (const QByteArray& raw : conf.readAll().split('\n')) {
      const QString line = QString::fromUtf8(raw).trimmed();
      if (line.startsWith(QLatin1String("Out "))) out = line.mid(4).trimmed();
    }
  }
  const passwd* user = getpwuid(getuid());
  out.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user ? user->pw_dir : "/root"));
  out.replace(QLatin1String("${USER}"), QString::fromLocal8Bit(user ? user->pw_name : "root"));
  return out;
}

}  // namespace

PrivateCupsServer::PrivateCupsServer()
    : FDir(QDir::tempPath() + QStringLiteral("/stroval-cups-XXXXXX")),
      FQueue(QStringLiteral("StrovalTest") + QUuid::createUuid().toString(QUuid::Id128).left(8)),
      FOutputDir(CupsPdfOutputDir()) {}

PrivateCupsServer::~PrivateCupsServer() { Stop(); }

// The scheduler refuses to run its filters as root, and only root can start it with its
// cups-pdf back end (which runs as root).
QString PrivateCupsServer::Unavailable() {
  if (getuid() != 0) return QStringLiteral("the private CUPS scheduler needs root");
  if (Program("cupsd").isEmpty() || Program("lpadmin").isEmpty())
    return QStringLiteral("cups is not installed");
  if (!QFileInfo::exists(kBackend) || !QFileInfo::exists(kPpd))
    return QStringLiteral("printer-driver-cups-pdf is not installed");
  return {};
}

bool PrivateCupsServer::Run(const QString& program, const QStringList& args) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("CUPS_SERVER"), FDir.filePath(QStringLiteral("cups.sock")));
  process.setProcessEnvironment(env);
  process.start(program, args);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    FError = program + QLatin1Char(' ') + args.join(QLatin1Char(' ')) + QStringLiteral(": ") +
             QString::fromLocal8Bit(process.readAllStandardError());
    return false;
  }
  return true;
}

bool PrivateCupsServer::Start() {
  if (!FDir.isValid()) return (FError = QStringLiteral("no temporary folder")), false;
  const QString root = FDir.path();
  const QString socket = FDir.filePath(QStringLiteral("cups.sock"));
  for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "ppd"})
    QDir(root).mkpath(QLatin1String(sub));
  // The scheduler drops to the "lp" user for its work; it must reach the folder and the spool.
  QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                  QFileDevice::ExeOther);
  Run(QStringLiteral("chgrp"),
      {QStringLiteral("-R"), QStringLiteral("lp"), root + QStringLiteral("/spool")});
  Run(QStringLiteral("chmod"), {QStringLiteral("1770"), root + QStringLiteral("/spool"),
                                root + QStringLiteral("/spool/tmp")});
  const QString conf = QStringLiteral(
                           "Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                           "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                           "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                           "  </Limit>\n</Policy>\n")
                           .arg(socket);
  const QString files = QStringLiteral(
                            "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                            "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                            "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                            "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nUser lp\nGroup lp\n"
                            "SystemGroup root\n")
                            .arg(root);
  if (!WriteFile(FDir.filePath(QStringLiteral("cupsd.conf")), conf) ||
      !WriteFile(FDir.filePath(QStringLiteral("cups-files.conf")), files))
    return (FError = QStringLiteral("cannot write the scheduler's configuration")), false;

  FScheduler = std::make_unique<QProcess>();
  FScheduler->setProcessChannelMode(QProcess::MergedChannels);
  FScheduler->start(
      Program("cupsd"),
      {QStringLiteral("-f"), QStringLiteral("-c"), FDir.filePath(QStringLiteral("cupsd.conf")),
       QStringLiteral("-s"), FDir.filePath(QStringLiteral("cups-files.conf"))});
  if (!FScheduler->waitForStarted(10000))
    return (FError = QStringLiteral("cupsd did not start")), false;

  // This process talks to the private scheduler from now on (Qt's printer support included).
  qputenv("CUPS_SERVER", socket.toLocal8Bit());
  cupsSetServer(socket.toLocal8Bit().constData());
  QElapsedTimer wait;
  wait.start();
  while (!QFileInfo::exists(socket) && wait.elapsed() < 15000) QThread::msleep(50);
  if (!QFileInfo::exists(socket)) {
    FError =
        QStringLiteral("cupsd did not listen: ") + QString::fromLocal8Bit(FScheduler->readAll());
    return false;
  }
  FCreatedOutputDir = !QFileInfo::exists(FOutputDir);
  return Run(Program("lpadmin"),
             {QStringLiteral("-p"), FQueue, QStringLiteral("-E"), QStringLiteral("-v"),
              QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), kPpd}) &&
         Run(Program("lpadmin"), {QStringLiteral("-d"), FQueue});
}

bool PrivateCupsServer::WaitUntilIdle(int seconds) {
  QElapsedTimer wait;
  wait.start();
  const QByteArray queue = FQueue.toUtf8();
  while (wait.elapsed() < seconds * 1000) {
    cups_job_t* jobs = nullptr;
    const int active =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(active, jobs);
    if (active == 0) return true;
    QThread::msleep(100);
  }
  return false;
}

// cups-pdf names the file after the job title, with unsafe characters replaced.
QString PrivateCupsServer::OutputOf(const QString& title) const {
  const QStringList found =
      QDir(FOutputDir).entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
  return found.isEmpty() ? QString() : QDir(FOutputDir).filePath(found.first());
}

QString PrivateCupsServer::NewTitle() {
  FTitles.append(QStringLiteral("StrovalJob") + QUuid::createUuid().toString(QUuid::Id128));
  return FTitles.last();
}

void PrivateCupsServer::RemoveOutputs() {
  QDir out(FOutputDir);
  for (const QString& title : FTitles)
    for (const QString& name : out.entryList({title + QStringLiteral("*.pdf")}, QDir::Files))
      out.remove(name);
  if (FCreatedOutputDir && out.exists() && out.isEmpty()) out.rmdir(FOutputDir);
}

void PrivateCupsServer::Stop() {
  if (!FScheduler) return;
  Run(Program("lpadmin"), {QStringLiteral("-x"), FQueue});
  FScheduler->terminate();
  if (!FScheduler->waitForFinished(10000)) FScheduler->kill();
  FScheduler->waitForFinished(5000);
  FScheduler.reset();
  RemoveOutputs();
  qunsetenv("CUPS_SERVER");
  cupsSetServer(nullptr);
}
