#include "core/configuration.h"

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

QString connectionString(const Configuration& cfg) {
  if (cfg.TIPO_CONEXAO.isEmpty())
    return "driver={Firebird/InterBase(r) driver};server=;uid=" + cfg.USUARIO +
           ";Pwd=" + cfg.SENHA + ";database=" + cfg.LOCALBANCO;
  return "driver={SQl Server};server=" + cfg.SERVIDOR + ";uid=" + cfg.USUARIO +
         ";Pwd=" + cfg.SENHA + ";database=" + cfg.BANCO;
}
