#pragma once
#include <QString>

// Values of TL.ini, section "Geral", read once at start-up.
struct Configuration {
  QString path;  // the TL.ini that was read (NOME_TABELA is read from it later)
  QString BANCO = "TALVORA";
  QString USUARIO;
  QString SENHA;
  QString LOCALBANCO;
  QString SERVIDOR;
  QString TIPO_CONEXAO;  // upper-cased; empty selects the Firebird driver
};

Configuration readConfiguration(const QString& iniPath);

// The connection string joined exactly as the legacy program joined it.
QString connectionString(const Configuration& cfg);
