// Bad input against the real executable: every row ends with its exit
// status and message, and leaves no partial document at any output path.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <thread>

#include "dispatch/badinput_testutil.h"

namespace {

using badinput::After;
using badinput::Case;
using badinput::Row;
using Keys = QList<QPair<QString, QString>>;

void write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

// A job for a text printer: its printer file must not appear.
std::function<void(Case&)> textJob(const Keys& keys) {
  return [keys](Case& c) {
    c.job = keys + Keys{{"LOCALIMPRESSORA", c.file("impressora.txt")},
                        {"IMPRESSORA", c.file("etiquetas.txt")}};
    c.outputs = {{c.file("impressora.txt"), After::Absent}, {c.file("etiquetas.txt"), After::Absent}};
  };
}

// A page report into a PDF that already holds an earlier document.
std::function<void(Case&)> pdfJob(const Keys& keys) {
  return [keys](Case& c) {
    c.job = keys;
    write(c.file("doc.pdf"), "%PDF-1.4 anterior\n%%EOF\n");
    c.args = {"--pdf", c.file("doc.pdf")};
    c.outputs = {{c.file("doc.pdf"), After::Untouched}};
  };
}

// The demo database with item line 3 of every sale unreadable: its name is
// computed by a division by zero, so the fetch of that row fails.
QString brokenDatabase() {
  static const QString path = [] {
    const QString db = testsupport::scratchFile("quebrado.fdb");
    QFile::copy(testsupport::fixtureDatabase(), db);
    QProcess isql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISC_USER", "SYSDBA");
    env.insert("ISC_PASSWORD", "masterkey");
    isql.setProcessEnvironment(env);
    isql.start("isql-fb", {"-q", "-bail", db});
    isql.write("ALTER TABLE itemsaida DROP itprnome;\n"
               "ALTER TABLE itemsaida ADD itprnome COMPUTED BY "
               "('PRODUTO ' || (itcod / (MOD(itcod, 1000) - 3)));\nCOMMIT;\n");
    isql.closeWriteChannel();
    isql.waitForFinished(30000);
    EXPECT_EQ(isql.exitCode(), 0) << isql.readAllStandardError().constData();
    return db;
  }();
  return path;
}

std::function<void(Case&)> onBrokenDatabase(std::function<void(Case&)> job) {
  return [job](Case& c) {
    job(c);
    testsupport::writeIni(c.config, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                     {"LOCALBANCO", brokenDatabase()}});
  };
}

// A layout override of the order without prices with one replacement.
std::function<void(Case&)> layout(const QByteArray& from, const QByteArray& to) {
  return [from, to](Case& c) {
    pdfJob({{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}})(c);
    QFile compiled(":/layouts/reportPedidoSpreco.json");
    ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
    QByteArray json = compiled.readAll();
    ASSERT_TRUE(json.contains(from)) << from.constData();
    write(c.exeDir + "/layouts/reportPedidoSpreco.json", json.replace(from, to));
  };
}

std::function<void(Case&)> config(const QByteArray& bytes) {
  return [bytes](Case& c) {
    textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
    write(c.config, bytes);
  };
}

std::function<void(Case&)> jobBytes(const QByteArray& bytes) {
  return [bytes](Case& c) {
    textJob({})(c);
    c.writeJob = false;
    write(c.jobPath, bytes);
  };
}

QByteArray fixtureIni() {
  return "[Geral]\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\nLOCALBANCO=" +
         testsupport::fixtureDatabase().toUtf8() + "\r\n";
}

QByteArray utf16WithoutBom(const QByteArray& utf8) {
  const QString text = QString::fromUtf8(utf8);
  return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

// A listener on 127.0.0.1 that accepts connections and never answers.
class SilentServer {
 public:
  SilentServer() {
    thread_ = std::thread([this] {
      QTcpServer server;
      server.listen(QHostAddress::LocalHost, 0);
      port_ = server.serverPort();
      std::vector<QTcpSocket*> held;
      while (!stop_) {
        if (server.waitForNewConnection(100))
          while (QTcpSocket* s = server.nextPendingConnection()) held.push_back(s);
      }
      for (QTcpSocket* s : held) delete s;
    });
    while (port_ == 0) QThread::msleep(10);
  }
  ~SilentServer() {
    stop_ = true;
    thread_.join();
  }
  quint16 port() const { return port_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<quint16> port_{0};
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort() {
  QTcpServer s;
  s.listen(QHostAddress::LocalHost, 0);
  return s.serverPort();
}

const QString kSacod = "O código SACOD do arquivo de trabalho (1,5) não é um número inteiro";
const QString kLayout = "Layout de relatório inválido (";
const QString kReadError = "Erro ao ler os registros do banco de dados";

void runAll(const std::vector<Row>& rows) {
  for (const Row& row : rows) badinput::runRow(row);
}

const QByteArray oneMegabyte(1 << 20, 'x');

TEST(BadInput, ConfigurationAndJobFiles) {
  runAll({
      {"sem-tlini", [](Case& c) { textJob({{"RELATORIO", "pedidocupom"}})(c);
                                  c.config = c.file("nada/TL.ini"); },
       1, "Arquivo de configuração não encontrado: "},
      {"tlini-pasta", [](Case& c) { textJob({{"RELATORIO", "pedidocupom"}})(c);
                                    QDir().mkpath(c.file("pasta.ini")); c.config = c.file("pasta.ini"); },
       1, "é uma pasta"},
      {"tlini-binario", config(QByteArray("\x7f" "ELF\x02\x01\x00\x00\xff\xfe[G\x00", 14) + QByteArray(300, '\x90')),
       1, "não informa LOCALBANCO na seção [Geral]"},
      {"tlini-nul", config("[Geral]\r\nUSUARIO=SYSDBA\r\nLOCAL" + QByteArray(1, '\0') + "BANCO=x\r\n"),
       1, "não informa LOCALBANCO"},
      {"tlini-utf16-sem-bom", config(utf16WithoutBom(fixtureIni())), 1, "não informa LOCALBANCO"},
      {"tlini-sem-geral", config(fixtureIni().replace("[Geral]", "[Outra]")), 1,
       "não informa LOCALBANCO"},
      {"tlini-linha-1mb", [](Case& c) {
         textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
         write(c.config, "; " + oneMegabyte + "\r\n" + fixtureIni());
         c.outputs[0].after = After::Whole; }, 0, ""},
      {"sem-job", [](Case& c) { textJob({})(c); c.writeJob = false; },
       3, "(Arquivo de trabalho não encontrado: "},
      {"job-binario", jobBytes(QByteArray("\x00\x01\x02\xff\xfe\x00RELATORIO", 15)), 3,
       "nenhum documento"},
      {"job-nul-no-codigo", jobBytes("[Geral]\nRELATORIO=pedido" + QByteArray(1, '\0') + "cupom\n"),
       3, "\"pedido\\0cupom\""},
      {"job-utf16-sem-bom", jobBytes(utf16WithoutBom("[Geral]\r\nRELATORIO=pedidocupom\r\n")), 3,
       "nenhum documento"},
      {"job-linha-1mb", [](Case& c) {
         textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}, {"NOMEEMPRESA", oneMegabyte}})(c);
         c.outputs[0].after = After::Whole; }, 0, ""},
  });
}

TEST(BadInput, CodesThatAreNotWholeNumbers) {
  runAll({
      {"sacod-cupom", textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "1,5"}}), 1, kSacod},
      {"sacod-texto", textJob({{"RELATORIO", "pedidotexto"}, {"SACOD", "1,5"}}), 1, kSacod},
      {"sacod-etiquetas", textJob({{"RELATORIO", "etiqueta_pedido"}, {"SACOD", "1,5"}}), 1, kSacod},
      {"sacod-grafico", pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1,5"}}), 1, kSacod},
      {"oscod-texto", textJob({{"RELATORIO", "ostexto"}, {"OSCOD", "2,5"}}), 1, "OSCOD"},
      {"oscod-os", pdfJob({{"RELATORIO", "os"}, {"OSCOD", "2,5"}}), 1, "OSCOD"},
      {"encod-entrada", pdfJob({{"RELATORIO", "entrada_estoque"}, {"ENCOD", "1,5"}}), 1, "ENCOD"},
      {"prcod-kit", pdfJob({{"RELATORIO", "cadastro_kit"}, {"PRCOD", "60,5"}}), 1, "PRCOD"},
      {"pcod-producao", pdfJob({{"RELATORIO", "pedido_producao"}, {"PCOD", "0,1"}}), 1, "PCOD"},
  });
}

TEST(BadInput, NumbersImagesAndLayouts) {
  runAll({
      // Prices: too many digits for a double is refused; what is not a number is no price.
      {"preco-20-digitos", textJob({{"RELATORIO", "etiqueta_peco"}, {"NOMEPRODUTO", "TUBO"},
                                    {"CODBARRAS", "200003"}, {"PRECO", "99999999999999999999"}}),
       1, "grande demais para ser impresso com exatidão"},
      {"preco-1e400", textJob({{"RELATORIO", "etiqueta_peco"}, {"NOMEPRODUTO", "TUBO"},
                               {"CODBARRAS", "200003"}, {"PRECO", "1e400"}}),
       0, "O Preço do produto não é válido"},
      {"preco-nan", textJob({{"RELATORIO", "etiqueta_peco"}, {"NOMEPRODUTO", "TUBO"},
                             {"CODBARRAS", "200003"}, {"PRECO", "NaN"}}),
       0, "O Preço do produto não é válido"},
      // Images and layouts beside the program.
      {"sem-cabecalho", [](Case& c) { pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}})(c);
                                      QFile::remove(c.exeDir + "/cabecalho.jpg"); },
       1, "Arquivo de imagem não encontrado: "},
      {"cabecalho-corrompido", [](Case& c) { pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}})(c);
                                             write(c.exeDir + "/cabecalho.jpg", "\xFF\xD8\xFF\xE0 cortado"); },
       1, "Não foi possível ler a imagem"},
      {"layout-json-quebrado", layout("\"sections\"", "\"sections\" ]"), 1, kLayout},
      {"layout-largura-1e300", layout("\"width\": ", "\"width\": 1e300, \"x\": "), 1, "fora do intervalo"},
      {"layout-altura-negativa", layout("\"height\": ", "\"height\": -500, \"x\": "), 1, "fora do intervalo"},
      {"layout-fonte-5000", layout("\"fontSize\": ", "\"fontSize\": 5000, \"x\": "), 1, "\"fontSize\""},
      {"layout-largura-texto", layout("\"width\": ", "\"width\": \"largo\", \"x\": "), 1,
       "deve ser um número"},
  });
}

TEST(BadInput, DatabasesThatCannotBeRead) {
  runAll({
      {"servidor-mudo", [](Case& c) {
         static SilentServer server;
         textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
         testsupport::writeIni(c.config, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
             {"LOCALBANCO", "127.0.0.1/" + QString::number(server.port()) + ":/dados/x.fdb"}});
         c.timeoutMs = 30000; }, 1, "não respondeu"},
      {"servidor-fechado", [](Case& c) {
         textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
         testsupport::writeIni(c.config, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
             {"LOCALBANCO", "127.0.0.1/" + QString::number(closedPort()) + ":/dados/x.fdb"}});
         c.timeoutMs = 30000; }, 1, "Não foi possível conectar ao banco de dados"},
      {"acentos-locale-c", [](Case& c) {
         textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
         const QString db = c.file("ação/demonstração.fdb");
         QDir().mkpath(QFileInfo(db).absolutePath());
         ASSERT_TRUE(QFile::copy(testsupport::fixtureDatabase(), db));
         testsupport::writeIni(c.config, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                          {"LOCALBANCO", db}});
         c.env.insert("LC_ALL", "C");
         c.env.insert("LANG", "C");
         c.outputs[0].after = After::Whole; }, 0, ""},
      {"leitura-cupom", onBrokenDatabase(textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})),
       1, kReadError},
      {"leitura-texto", onBrokenDatabase(textJob({{"RELATORIO", "pedidotexto"}, {"SACOD", "1"}})),
       1, kReadError},
      {"leitura-grafico", onBrokenDatabase(pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}})),
       1, kReadError},
  });
}

}  // namespace
