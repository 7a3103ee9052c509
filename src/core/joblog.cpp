#include "core/joblog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "core/inifile.h"
#include "core/modcnn.h"

namespace joblog {

namespace {

// The job's key values that name what was printed; empty ones are left out.
QJsonObject keys(const JobParameters& job) {
  QJsonObject o;
  const auto put = [&o](const char* key, const QString& v) {
    if (!v.isEmpty()) o.insert(QLatin1String(key), v);
  };
  const auto code = [&](const char* key, const std::optional<QString>& v) {
    if (v) put(key, *v);
  };
  code("SACOD", job.SACOD);
  code("OSCOD", job.OSCOD);
  code("ENCOD", job.ENCOD);
  code("PRCOD", job.PRCOD);
  code("PCOD", job.PCOD);
  if (job.TBCOD != 0) o.insert("TBCOD", job.TBCOD);
  put("TROCA", job.TROCA);
  put("CODBARRAS", job.CODBARRAS);
  if (job.PRECO != 0) o.insert("PRECO", job.PRECO);
  return o;
}

}  // namespace

QString path(const modCnn& m) {
  const QString configured = LEINI("Geral", "LOG", m.options.configPath);
  if (!configured.isEmpty()) return configured;
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty()) state = QDir::homePath() + "/.local/state";
  return state + "/tl_relatorios/trabalhos.log";
}

QByteArray line(const modCnn& m, int status, const QDateTime& started, qint64 elapsedMs) {
  // A run that failed before reading its job (no database) still names it.
  const JobParameters job =
      m.job.path.isEmpty() && QFileInfo::exists(m.options.jobPath)
          ? readJobParameters(m.options.jobPath)
          : m.job;
  QJsonObject o;
  o.insert("hora", started.toOffsetFromUtc(started.offsetFromUtc()).toString(Qt::ISODateWithMs));
  o.insert("relatorio", job.RELATORIO);
  o.insert("chaves", keys(job));
  o.insert("destino", m.record.destination);
  o.insert("bytes", m.record.bytes);
  o.insert("paginas", m.record.pages);
  QJsonArray pdfs;
  for (const QString& pdf : m.record.pdfs) pdfs.append(QFileInfo(pdf).absoluteFilePath());
  o.insert("pdf", pdfs);
  o.insert("saida", status);
  o.insert("mensagem", m.record.message);
  o.insert("duracao_ms", elapsedMs);
  return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

bool append(const QString& logPath, const QByteArray& text) {
  const QFileInfo info(logPath);
  QString error;
  if (!QDir().mkpath(info.absolutePath())) {
    error = "não foi possível criar a pasta " + info.absolutePath();
  } else {
    if (info.exists() && info.size() + text.size() > kRotateBytes) {
      QFile::remove(logPath + ".1");
      QFile::rename(logPath, logPath + ".1");
    }
    QFile f(logPath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
      error = f.errorString();
    else if (f.write(text) != text.size() || !f.flush())
      error = f.errorString();
  }
  if (error.isEmpty()) return true;
  std::fputs(("tl_relatorios: registro de trabalhos \"" + logPath + "\" não gravado: " + error +
              "\n").toUtf8().constData(),
             stderr);
  return false;
}

}  // namespace joblog
