#include "core/configuration.h"

#include <QFile>
#include <QFileInfo>

#include "core/errors.h"
#include "core/inifile.h"

Configuration readConfiguration(const QString& iniPath) {
  Configuration cfg;
  cfg.path = iniPath;
  const auto read = [&](const char* key) { return LEINI("Geral", key, iniPath); };
  const QString banco = read("BANCO");
  if (!banco.isEmpty()) cfg.BANCO = banco;
  cfg.USUARIO = read("USUARIO");
  cfg.SENHA = read("SENHA");
  cfg.LOCALBANCO = read("LOCALBANCO");
  cfg.SERVIDOR = read("SERVIDOR");
  cfg.TIPO_CONEXAO = read("TIPO_CONEXAO").toUpper();
  return cfg;
}

QString unreadableFile(const QString& path, const QString& what) {
  const QFileInfo info(path);
  if (!info.exists()) return "Arquivo " + what + " não encontrado: " + path;
  QFile f(path);
  if (info.isDir() || !f.open(QIODevice::ReadOnly))
    return "Não foi possível ler o arquivo " + what + " " + path +
           (info.isDir() ? QStringLiteral(": é uma pasta") : ": " + f.errorString());
  return {};
}

void checkConfiguration(const Configuration& cfg) {
  const QString problem = unreadableFile(cfg.path, "de configuração");
  if (!problem.isEmpty()) throw RuntimeError(problem);
  // The ODBC path may name everything in the driver's own settings.
  if (cfg.TIPO_CONEXAO.isEmpty() && cfg.LOCALBANCO.isEmpty())
    throw RuntimeError("O arquivo de configuração " + cfg.path +
                       " não informa LOCALBANCO na seção [Geral].");
}

QString connectionString(const Configuration& cfg) {
  if (cfg.TIPO_CONEXAO.isEmpty())
    return "driver={Firebird/InterBase(r) driver};server=;uid=" + cfg.USUARIO +
           ";Pwd=" + cfg.SENHA + ";database=" + cfg.LOCALBANCO;
  return "driver={SQl Server};server=" + cfg.SERVIDOR + ";uid=" + cfg.USUARIO +
         ";Pwd=" + cfg.SENHA + ";database=" + cfg.BANCO;
}
