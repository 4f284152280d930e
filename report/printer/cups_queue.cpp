#include "report/printer/cups_queue.h"

#include <cups/cups.h>

namespace {

QString LastCupsError() { return QString::fromUtf8(cupsLastErrorString()); }

// Destinations of the local spooler; freed with the holder.
struct DestList {
  cups_dest_t* dests = nullptr;
  int count = 0;
  DestList() { count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests); }
  ~DestList() { cupsFreeDests(count, dests); }
};

// A named destination with its IPP description; either may be missing.
struct NamedDest {
  cups_dest_t* dest = nullptr;
  cups_dinfo_t* info = nullptr;
  explicit NamedDest(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (dest) info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
  }
  ~NamedDest() {
    if (info) cupsFreeDestInfo(info);
    if (dest) cupsFreeDests(1, dest);
  }
  NamedDest(const NamedDest&) = delete;
  NamedDest& operator=(const NamedDest&) = delete;
};

}  // namespace

QStringList rpCupsQueueNames() {
  DestList list;
  QStringList names;
  for (int i = 0; i < list.count; ++i)
    if (!list.dests[i].instance) names.append(QString::fromUtf8(list.dests[i].name));
  return names;
}

QString rpCupsDefaultQueue() {
  DestList list;
  for (int i = 0; i < list.count; ++i)
    if (list.dests[i].is_default) return QString::fromUtf8(list.dests[i].name);
  return {};
}

QList<TrpCupsSource> rpCupsMediaSources(const QString& queue, QString* defaultKeyword) {
  QList<TrpCupsSource> sources;
  NamedDest named(queue);
  if (!named.info) return sources;
  ipp_attribute_t* supported =
      cupsFindDestSupported(CUPS_HTTP_DEFAULT, named.dest, named.info, CUPS_MEDIA_SOURCE);
  for (int i = 0; supported && i < ippGetCount(supported); ++i) {
    const char* keyword = ippGetString(supported, i, nullptr);
    if (!keyword) continue;
    const char* name = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, named.dest, named.info,
                                             CUPS_MEDIA_SOURCE, keyword);
    sources.append({QString::fromUtf8(keyword), QString::fromUtf8(name ? name : keyword)});
  }
  if (defaultKeyword) {
    ipp_attribute_t* def =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, named.dest, named.info, CUPS_MEDIA_SOURCE);
    const char* keyword = def ? ippGetString(def, 0, nullptr) : nullptr;
    *defaultKeyword = keyword ? QString::fromUtf8(keyword) : QString();
  }
  return sources;
}

struct TrpCupsJob::Private {
  std::unique_ptr<NamedDest> named;
  int jobId = 0;
  bool open = false;
};

TrpCupsJob::TrpCupsJob() : d(std::make_unique<Private>()) {}

TrpCupsJob::~TrpCupsJob() { Cancel(); }

bool TrpCupsJob::Start(const QString& queue, const QString& title, const char* format,
                       const TrpCupsOptions& options) {
  d->named = std::make_unique<NamedDest>(queue);
  if (!d->named->dest || !d->named->info) {
    FError = QStringLiteral("The printer \"%1\" is not available: %2").arg(queue, LastCupsError());
    return false;
  }
  cups_option_t* opts = nullptr;
  int count = 0;
  for (const auto& [name, value] : options)
    count = cupsAddOption(name.constData(), value.constData(), count, &opts);
  const QByteArray utf8Title = title.toUtf8();
  ipp_status_t status = cupsCreateDestJob(CUPS_HTTP_DEFAULT, d->named->dest, d->named->info,
                                          &d->jobId, utf8Title.constData(), count, opts);
  bool ok = status == IPP_STATUS_OK || status == IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED;
  if (ok)
    ok = cupsStartDestDocument(CUPS_HTTP_DEFAULT, d->named->dest, d->named->info, d->jobId,
                               utf8Title.constData(), format, count, opts,
                               1) == HTTP_STATUS_CONTINUE;
  cupsFreeOptions(count, opts);
  if (!ok) {
    FError = LastCupsError();
    Cancel();
    return false;
  }
  d->open = true;
  return true;
}

bool TrpCupsJob::Write(const QByteArray& data) {
  if (!d->open) return false;
  if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, data.constData(), static_cast<size_t>(data.size())) ==
      HTTP_STATUS_CONTINUE)
    return true;
  FError = LastCupsError();
  return false;
}

bool TrpCupsJob::Finish() {
  if (!d->open) return false;
  d->open = false;
  const ipp_status_t status =
      cupsFinishDestDocument(CUPS_HTTP_DEFAULT, d->named->dest, d->named->info);
  d->jobId = 0;
  if (status == IPP_STATUS_OK || status == IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED) return true;
  FError = LastCupsError();
  return false;
}

// A job whose document is still streaming is cancelled over a second connection first, so that
// closing the stream afterwards cannot let the partial document print.
void TrpCupsJob::Cancel() {
  if (d->jobId > 0 && d->named && d->named->dest) {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                30000, nullptr);
    cupsCancelDestJob(http ? http : CUPS_HTTP_DEFAULT, d->named->dest, d->jobId);
    if (http) httpClose(http);
  }
  if (d->open) cupsFinishDestDocument(CUPS_HTTP_DEFAULT, d->named->dest, d->named->info);
  d->open = false;
  d->jobId = 0;
}
