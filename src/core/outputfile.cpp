#include "core/outputfile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <climits>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/errors.h"

namespace {

QString reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

[[noreturn]] void fail(const QString& doing, const QString& what, const QString& path, int err) {
  throw RuntimeError(what + " \"" + path + "\": " + doing + ": " + reason(err));
}

// What a regular file gets from a new file: 0666 less the umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// An existing file we may not write: refused even where the permission bits
// would not stop us (root), so a read-only printer file stays as it is.
bool readOnly(const QByteArray& native, const struct stat& st) {
  return access(native.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0;
}

// Writes everything to a descriptor, retrying short writes and interruptions;
// a descriptor that stops taking bytes for outputWaitMs is given up. Returns
// 0 or the errno of the failure (ETIMEDOUT for the wait).
int writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n > 0) {
      p += n;
      left -= n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {
      pollfd pfd{fd, POLLOUT, 0};
      const int ready = ::poll(&pfd, 1, outputWaitMs());
      if (ready == 0) return ETIMEDOUT;
      if (ready < 0 && errno != EINTR) return errno;
      if (ready > 0 && (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(pfd.revents & POLLOUT))
        return EPIPE;
      continue;
    }
    return errno;
  }
  return 0;
}

QString seconds(int ms) { return QString::number(ms / 1000.0, 'g', 3).replace('.', ','); }

[[noreturn]] void failWaiting(const QString& what, const QString& path) {
  throw RuntimeError(what + " \"" + path + "\": ninguém recebeu os dados em " +
                     seconds(outputWaitMs()) + " s");
}

[[noreturn]] void failWrite(const QString& what, const QString& path, int err) {
  if (err == ETIMEDOUT) failWaiting(what, path);
  fail("falha ao gravar", what, path, err);
}

// An existing file in a folder we may not create files in: written in
// place, and what it held is put back when the new document does not fit.
void writeInPlace(const QString& shownPath, const QByteArray& target, const QByteArray& bytes,
                  const QString& what) {
  const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) fail("não foi possível abrir", what, shownPath, errno);
  QByteArray old;
  char buf[65536];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) != 0;) {
    if (n > 0) old.append(buf, n);
    else if (errno != EINTR) {
      const int err = errno;
      ::close(fd);
      fail("não foi possível ler", what, shownPath, err);
    }
  }
  const auto replace = [fd](const QByteArray& with) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
    int err = writeAll(fd, with);
    if (!err && ::ftruncate(fd, with.size()) != 0) err = errno;
    if (!err && ::fdatasync(fd) != 0 && errno != EINVAL) err = errno;
    return err;
  };
  const int err = replace(bytes);
  if (err) replace(old);
  ::close(fd);
  if (err) failWrite(what, shownPath, err);
}

// Temporary file beside the target, renamed over it once whole.
void writeRegular(const QString& shownPath, const QByteArray& target, const QByteArray& bytes,
                  const QString& what) {
  struct stat st {};
  const bool existed = ::stat(target.constData(), &st) == 0;
  if (existed && readOnly(target, st)) fail("não foi possível gravar", what, shownPath, EACCES);
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray dir = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  const QByteArray name = slash < 0 ? target : target.mid(slash + 1);
  QByteArray temp = dir + "/." + name + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0 && existed && (errno == EACCES || errno == EPERM || errno == EROFS))
    return writeInPlace(shownPath, target, bytes, what);
  if (fd < 0) fail("não foi possível abrir", what, shownPath, errno);
  const int slot = cleanup::addTemporary(temp.constData());
  int err = writeAll(fd, bytes);
  if (!err && ::fchmod(fd, existed ? (st.st_mode & 07777) : newFileMode()) != 0) err = errno;
  if (!err && ::fdatasync(fd) != 0 && errno != EINVAL) err = errno;
  if (::close(fd) != 0 && !err) err = errno;
  if (!err && ::rename(temp.constData(), target.constData()) != 0) err = errno;
  if (err) ::unlink(temp.constData());
  cleanup::forget(slot);
  if (err) failWrite(what, shownPath, err);
}

// A device or FIFO: opened without blocking (a FIFO nobody reads, an offline
// port) and retried until the wait runs out.
void writeDevice(const QString& shownPath, const QByteArray& native, const QByteArray& bytes,
                 const QString& what) {
  const QDeadlineTimer deadline(outputWaitMs());
  int fd = -1;
  for (;;) {
    fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) break;
    const int err = errno;
    if (err != ENXIO && err != EAGAIN && err != EBUSY && err != EINTR)
      fail("não foi possível abrir", what, shownPath, err);
    if (deadline.hasExpired()) failWaiting(what, shownPath);
    QThread::msleep(50);
  }
  int err = writeAll(fd, bytes);
  if (::close(fd) != 0 && !err && errno != EINTR) err = errno;
  if (err) failWrite(what, shownPath, err);
}

// The path whose file is written: symbolic links followed, so a link keeps
// pointing where it did.
QByteArray resolved(const QByteArray& native) {
  char buf[PATH_MAX];
  if (::realpath(native.constData(), buf)) return QByteArray(buf);
  return native;
}

}  // namespace

int outputWaitMs() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("TL_PRINTER_WAIT_MS", &ok);
  return ok && ms > 0 ? ms : 10000;
}

bool isRegularFile(const QString& path) {
  struct stat st {};
  return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 &&
         S_ISREG(st.st_mode);
}

void writeWholeFile(const QString& path, const QByteArray& bytes, const QString& what) {
  if (path.trimmed().isEmpty())
    throw RuntimeError(what + ": caminho não informado.");
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::stat(native.constData(), &st) != 0) {
    if (errno != ENOENT) fail("não foi possível abrir", what, path, errno);
    writeRegular(path, native, bytes, what);
  } else if (S_ISDIR(st.st_mode)) {
    fail("não foi possível abrir", what, path, EISDIR);
  } else if (S_ISREG(st.st_mode)) {
    writeRegular(path, resolved(native), bytes, what);
  } else {
    writeDevice(path, native, bytes, what);
  }
}

void appendWholeFile(const QString& path, const QByteArray& bytes, const QString& what) {
  if (!isRegularFile(path)) return writeWholeFile(path, bytes, what);
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::stat(native.constData(), &st) == 0 && readOnly(native, st))
    fail("não foi possível gravar", what, path, EACCES);
  const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0 || ::fstat(fd, &st) != 0) fail("não foi possível abrir", what, path, errno);
  const int slot = cleanup::addTruncation(fd, st.st_size);
  int err = writeAll(fd, bytes);
  if (!err && ::fdatasync(fd) != 0 && errno != EINVAL) err = errno;
  if (err) (void)!::ftruncate(fd, st.st_size);
  cleanup::forget(slot);
  if (::close(fd) != 0 && !err) err = errno;
  if (err) failWrite(what, path, err);
}

namespace cleanup {

namespace {

constexpr int kSlots = 16;
enum : int { kFree = 0, kUnlink = 1, kTruncate = 2 };
struct Slot {
  volatile sig_atomic_t kind = kFree;
  int fd = -1;
  long long length = 0;
  char path[4096] = {};
};
Slot table[kSlots];

int take() {
  for (int i = 0; i < kSlots; ++i)
    if (table[i].kind == kFree) return i;
  return -1;
}

void sayFromSignal(int sig) {
  char msg[64] = "tl_relatorios: interrompido pelo sinal ";
  size_t n = std::strlen(msg);
  char digits[8];
  int d = 0;
  for (int v = sig; v > 0 && d < 7; v /= 10) digits[d++] = char('0' + v % 10);
  while (d > 0) msg[n++] = digits[--d];
  msg[n++] = '\n';
  (void)!::write(STDERR_FILENO, msg, n);
}

void onSignal(int sig) {
  runFromSignalHandler();
  sayFromSignal(sig);
  ::_exit(1);
}

}  // namespace

int addTemporary(const char* path) {
  const int i = take();
  if (i < 0 || std::strlen(path) >= sizeof(table[i].path)) return -1;
  std::strcpy(table[i].path, path);
  table[i].kind = kUnlink;  // last: the handler sees a whole entry or none
  return i;
}

int addTruncation(int fd, long long length) {
  const int i = take();
  if (i < 0) return -1;
  table[i].fd = fd;
  table[i].length = length;
  table[i].kind = kTruncate;
  return i;
}

void forget(int slot) {
  if (slot >= 0 && slot < kSlots) table[slot].kind = kFree;
}

void runFromSignalHandler() {
  for (Slot& s : table) {
    if (s.kind == kUnlink) ::unlink(s.path);
    else if (s.kind == kTruncate) (void)!::ftruncate(s.fd, s.length);
  }
}

void installSignalHandlers() {
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigfillset(&sa.sa_mask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
  // A printer that hangs up and a file-size limit are write errors to
  // report, not reasons to die without a word.
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace cleanup
