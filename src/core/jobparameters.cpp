#include "core/jobparameters.h"

#include <QDir>
#include <QLocale>
#include <QProcessEnvironment>
#include <cmath>

#include "core/errors.h"
#include "core/inifile.h"

namespace {

// A number as a 32-bit whole number, halves to the even neighbour as the
// legacy runtime's conversion rounds; nothing when it does not fit.
std::optional<int32_t> toInt32(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
  return static_cast<int32_t>(r);
}

std::optional<QString> numericText(const QString& text) {
  if (!parseLocaleNumber(text)) return std::nullopt;
  return text;
}

}  // namespace

JobParameters readJobParameters(const QString& jobPath) {
  JobParameters job;
  job.path = jobPath;
  const auto read = [&](const char* key) { return LEINI("Geral", key, jobPath); };
  job.RELATORIO = read("RELATORIO");
  job.TROCA = read("TROCA");
  job.LOCALIMPRESSORA = read("LOCALIMPRESSORA");
  job.NOMEEMPRESA = read("NOMEEMPRESA");
  job.CODBARRAS = read("CODBARRAS");
  job.CODINTERNO = read("CODINTERNO");
  job.NOMEPRODUTO = read("NOMEPRODUTO");
  job.IMPRESSORA = read("IMPRESSORA");
  job.USDESC = read("USDESC");
  job.SACOD = numericText(read("SACOD"));
  if (auto price = parseLocaleNumber(read("PRECO"))) {
    const double currency = std::round(*price * 10000.0) / 10000.0;  // 4 places
    job.PRECO = std::isfinite(currency) ? currency : *price;
  }
  job.OSCOD = numericText(read("OSCOD"));
  job.ENCOD = numericText(read("ENCOD"));
  job.PRCOD = numericText(read("PRCOD"));
  job.PCOD = numericText(read("PCOD"));
  if (auto tb = parseLocaleNumber(read("TBCOD")))
    job.TBCOD = toInt32(*tb).value_or(0);
  return job;
}

QString defaultJobPath() {
  const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  QString folder;
  for (const QString& name : env.keys())
    if (name.compare("userprofile", Qt::CaseInsensitive) == 0) {
      folder = env.value(name);
      break;
    }
  if (folder.isEmpty()) folder = QDir::homePath();
  return QDir(folder).filePath("parimp.txt");
}

QString sqlCode(const std::optional<QString>& value, const QString& key) {
  if (!value) return QStringLiteral("0");
  const auto v = parseLocaleNumber(*value);
  if (v && *v != std::trunc(*v))
    throw RuntimeError("O código " + key + " do arquivo de trabalho (" + *value +
                       ") não é um número inteiro.");
  return *value;
}

int32_t intCode(const std::optional<QString>& value, const QString& key) {
  if (!value) return 0;
  sqlCode(value, key);
  const auto v = parseLocaleNumber(*value);
  return v ? toInt32(*v).value_or(0) : 0;
}
