#include "textprint/printerdestination.h"

#include "core/modcnn.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <cups/cups.h>
#include <dlfcn.h>

#include <type_traits>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netdb.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/cp1252.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "core/outputfile.h"

namespace printer {

namespace {

constexpr int kDefaultPort = 9100;
constexpr int kConnectWaitMs = 5000;

[[noreturn]] void notFound(const QString& value) {
  throw RuntimeError("impressora não encontrada: " +
                     (value.trimmed().isEmpty() ? QStringLiteral("(nenhuma informada)") : value));
}

// Names of the Windows ports: what the host writes for a printer that has
// not been mapped to anything on this machine.
bool windowsPort(const QString& s) {
  static const QRegularExpression re(QStringLiteral("^(LPT[1-9]|COM[1-9]|PRN|AUX|NUL|CON):?$"),
                                     QRegularExpression::CaseInsensitiveOption);
  return re.match(s).hasMatch();
}

// What CUPS accepts as a queue name.
bool queueName(const QString& s) {
  if (s.isEmpty() || s.toUtf8().size() > 127) return false;
  for (QChar c : s) {
    const ushort u = c.unicode();
    if (u <= 0x20 || u == 0x7F || QStringLiteral("/\\?'\"#:").contains(c)) return false;
  }
  return true;
}

bool network(const QString& s, Destination& d) {
  static const QRegularExpression socketUri(
      QStringLiteral("^socket://(\\[[0-9A-Fa-f:.]+\\]|[^/:?\\[\\]]+)(?::(\\d{1,5}))?/?(\\?.*)?$"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression addressPort(
      QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9][A-Za-z0-9.\\-]*):(\\d{1,5})$"));
  QRegularExpressionMatch m = socketUri.match(s);
  if (!m.hasMatch()) m = addressPort.match(s);
  if (!m.hasMatch()) return false;
  d.kind = Destination::Kind::Network;
  d.address = m.captured(1);
  if (d.address.startsWith('[')) d.address = d.address.mid(1, d.address.size() - 2);
  d.port = m.captured(2).isEmpty() ? kDefaultPort : m.captured(2).toInt();
  if (d.port < 1 || d.port > 65535) notFound(d.value);
  return true;
}

QString where(const Destination& d) {
  return "impressora de rede " + d.address + ", porta " + QString::number(d.port);
}

// A socket connected within the bounded wait, or RuntimeError.
int connectTo(const Destination& d) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int gai = getaddrinfo(d.address.toUtf8().constData(),
                              QByteArray::number(d.port).constData(), &hints, &found);
  if (gai != 0)
    throw RuntimeError("Não foi possível encontrar a " + where(d) + ": " +
                       QString::fromLocal8Bit(gai_strerror(gai)));
  const int waitMs = std::min(kConnectWaitMs, outputWaitMs());
  const QDeadlineTimer deadline(waitMs);
  int err = ETIMEDOUT;
  for (addrinfo* a = found; a; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            a->ai_protocol);
    if (fd < 0) {
      err = errno;
      continue;
    }
    if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      freeaddrinfo(found);
      return fd;
    }
    err = errno;
    if (err == EINPROGRESS) {
      pollfd p{fd, POLLOUT, 0};
      int ready;
      do ready = ::poll(&p, 1, int(deadline.remainingTime()));
      while (ready < 0 && errno == EINTR);
      socklen_t len = sizeof err;
      if (ready == 0) err = ETIMEDOUT;
      else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
      if (ready > 0 && err == 0) {
        freeaddrinfo(found);
        return fd;
      }
    }
    ::close(fd);
  }
  freeaddrinfo(found);
  if (err == ETIMEDOUT)
    throw RuntimeError("A " + where(d) + " não respondeu em " + QString::number(waitMs / 1000.0) +
                       " s.");
  throw RuntimeError("Não foi possível conectar à " + where(d) + ": " +
                     QString::fromLocal8Bit(std::strerror(err)));
}

// The whole stream, then until the printer has acknowledged every byte: a
// printer that takes nothing is an error, not a job reported as printed.
void sendToNetwork(const Destination& d, const QByteArray& stream) {
  const int fd = connectTo(d);
  const char* p = stream.constData();
  qsizetype left = stream.size();
  QString failure;
  const auto stalled = [&](short events) {
    pollfd pfd{fd, events, 0};
    int ready;
    do ready = ::poll(&pfd, 1, outputWaitMs());
    while (ready < 0 && errno == EINTR);
    return ready == 0;
  };
  while (left > 0 && failure.isEmpty()) {
    const ssize_t n = ::send(fd, p, size_t(left), MSG_NOSIGNAL);
    if (n > 0) {
      p += n;
      left -= n;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (stalled(POLLOUT)) failure = "parou de receber dados";
    } else {
      failure = QString::fromLocal8Bit(std::strerror(errno));
    }
  }
  const QDeadlineTimer drained(outputWaitMs());
  for (int queued = 1; failure.isEmpty();) {
    if (::ioctl(fd, SIOCOUTQ, &queued) != 0 || queued == 0) break;
    if (drained.hasExpired()) failure = "parou de receber dados";
    else ::usleep(10000);
  }
  ::close(fd);
  if (!failure.isEmpty())
    throw RuntimeError("Falha ao enviar à " + where(d) + ": " + failure + " (" +
                       QString::number(stream.size() - left) + " de " +
                       QString::number(stream.size()) + " bytes enviados).");
}

// libcups is loaded when a job goes to a queue, not linked: linked, its TLS,
// Kerberos and service-discovery libraries would load at every start, the
// largest part of a receipt's start-up.
struct CupsLibrary {
  decltype(&cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&cupsCopyDestInfo) copyDestInfo = nullptr;
  decltype(&cupsCreateDestJob) createDestJob = nullptr;
  decltype(&cupsStartDestDocument) startDestDocument = nullptr;
  decltype(&cupsWriteRequestData) writeRequestData = nullptr;
  decltype(&cupsFinishDestDocument) finishDestDocument = nullptr;
  decltype(&cupsCancelDestJob) cancelDestJob = nullptr;
  decltype(&cupsFreeDestInfo) freeDestInfo = nullptr;
  decltype(&cupsFreeDests) freeDests = nullptr;
  decltype(&cupsLastErrorString) lastErrorString = nullptr;

  // Throws RuntimeError when the library or one of its functions is missing.
  static const CupsLibrary& get() {
    static const CupsLibrary lib = load();
    if (!lib.lastErrorString)
      throw RuntimeError("Não foi possível carregar a biblioteca do CUPS (libcups.so.2).");
    return lib;
  }

 private:
  static CupsLibrary load() {
    CupsLibrary c;
    void* h = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!h) return c;
    bool all = true;
    const auto bind = [&](auto& fn, const char* name) {
      fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(h, name));
      all = all && fn;
    };
    bind(c.getNamedDest, "cupsGetNamedDest");
    bind(c.copyDestInfo, "cupsCopyDestInfo");
    bind(c.createDestJob, "cupsCreateDestJob");
    bind(c.startDestDocument, "cupsStartDestDocument");
    bind(c.writeRequestData, "cupsWriteRequestData");
    bind(c.finishDestDocument, "cupsFinishDestDocument");
    bind(c.cancelDestJob, "cupsCancelDestJob");
    bind(c.freeDestInfo, "cupsFreeDestInfo");
    bind(c.freeDests, "cupsFreeDests");
    bind(c.lastErrorString, "cupsLastErrorString");
    if (!all) c.lastErrorString = nullptr;
    return c;
  }
};

void sendToQueue(const Destination& d, const QByteArray& stream, const QString& title) {
  const CupsLibrary& cups = CupsLibrary::get();
  const QByteArray name = d.queue.toUtf8();
  const QString queue = "fila de impressão \"" + d.queue + "\"";
  const auto cupsError = [&cups] { return QString::fromUtf8(cups.lastErrorString()); };
  cups_dest_t* dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
  if (!dest) throw RuntimeError("impressora não encontrada: " + d.value + " (" + queue + ": " +
                                cupsError() + ")");
  // The connection cupsGetNamedDest has just made to the server: a
  // connection of the destination's own would address its device instead.
  http_t* const http = CUPS_HTTP_DEFAULT;
  cups_dinfo_t* info = cups.copyDestInfo(http, dest);
  QString failure;
  int job = 0;
  const QByteArray jobName = title.toUtf8();
  if (cups.createDestJob(http, dest, info, &job, jobName.constData(), 0, nullptr) >
      IPP_STATUS_OK_CONFLICTING) {
    failure = cupsError();
  } else if (cups.startDestDocument(http, dest, info, job, jobName.constData(), CUPS_FORMAT_RAW,
                                    0, nullptr, 1) != HTTP_STATUS_CONTINUE ||
             cups.writeRequestData(http, stream.constData(), size_t(stream.size())) !=
                 HTTP_STATUS_CONTINUE ||
             cups.finishDestDocument(http, dest, info) > IPP_STATUS_OK_CONFLICTING) {
    failure = cupsError();
    cups.cancelDestJob(http, dest, job);
  }
  cups.freeDestInfo(info);
  cups.freeDests(1, dest);
  if (!failure.isEmpty())
    throw RuntimeError("A " + queue + " recusou o trabalho \"" + title + "\": " + failure);
}

}  // namespace

Destination resolve(const QString& value, const QString& iniPath) {
  Destination d;
  d.value = value;
  QString s = value.trimmed();
  if (s.isEmpty()) notFound(value);
  const QString mapped = iniPath.isEmpty() ? QString() : LEINI("Impressoras", s, iniPath);
  if (!mapped.isEmpty()) s = mapped.trimmed();
  if (network(s, d)) return d;
  if (s.contains('/')) {
    d.kind = Destination::Kind::Path;
    d.path = s;
    return d;
  }
  static const QRegularExpression share(QStringLiteral("^\\\\\\\\[^\\\\]+\\\\([^\\\\]+)$"));
  const QRegularExpressionMatch m = share.match(s);
  const QString queue = m.hasMatch() ? m.captured(1) : s;
  if (windowsPort(queue) || !queueName(queue)) notFound(value);
  d.kind = Destination::Kind::Queue;
  d.queue = queue;
  return d;
}

void deliver(const Destination& to, const QByteArray& stream, const QString& jobTitle,
             bool append) {
  switch (to.kind) {
    case Destination::Kind::Path:
      // A device that is not there (a USB printer unplugged) is an error,
      // never a new ordinary file among the devices.
      if (to.path.startsWith(QLatin1String("/dev/")) && !QFileInfo::exists(to.path))
        throw RuntimeError("Impressora \"" + to.path +
                           "\": dispositivo não encontrado (impressora desligada ou desconectada?)");
      if (append) appendWholeFile(to.path, stream, "Impressora");
      else writeWholeFile(to.path, stream, "Impressora");
      return;
    case Destination::Kind::Network: return sendToNetwork(to, stream);
    case Destination::Kind::Queue: return sendToQueue(to, stream, jobTitle);
  }
}

void printText(const QString& value, const QString& iniPath, const QString& text,
               const QString& jobTitle) {
  deliver(resolve(value, iniPath), cp1252::encode(text), jobTitle);
}

QString jobTitle(const QString& reportCode, const QString& key) {
  return (reportCode + " " + key).trimmed();
}

}  // namespace printer

void printStream(modCnn& m, const QString& value, const QString& text, const QString& key) {
  m.record.destination = value;
  const QString title = printer::jobTitle(m.job.RELATORIO, key);
  if (m.streamSink) return m.streamSink->take(value, text, title);
  const QByteArray bytes = cp1252::encode(text);
  printer::deliver(printer::resolve(value, m.config.path), bytes, title);
  m.record.bytes += bytes.size();
}
