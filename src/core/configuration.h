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

// Throws RuntimeError naming the file when the configuration cannot be used:
// a missing or unreadable file, or a Firebird one that names no database
// (no [Geral] section, a binary file, UTF-16 without its byte-order mark...).
void checkConfiguration(const Configuration& cfg);

// Why a settings file (TL.ini, parimp.txt) cannot be read, naming the path
// and what it is; empty when it can.
QString unreadableFile(const QString& path, const QString& what);

// The connection string joined exactly as the legacy program joined it.
QString connectionString(const Configuration& cfg);
