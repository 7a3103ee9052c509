// Bad input against the real executable: every row ends with its exit status and
// message and leaves each output path whole, untouched or absent, never partial.
#include <sys/stat.h>

#include "dispatch/e2e_testutil.h"

namespace {

using e2e::After;
using e2e::Case;
using e2e::Row;
using Keys = QList<QPair<QString, QString>>;
using Setup = std::function<void(Case&)>;

// A job for a text printer: its printer file must not appear.
Setup textJob(const Keys& keys) {
  return [keys](Case& c) {
    c.job = keys + Keys{{"LOCALIMPRESSORA", c.file("impressora.txt")},
                        {"IMPRESSORA", c.file("etiquetas.txt")}};
    c.outputs = {{c.file("impressora.txt"), After::Absent}, {c.file("etiquetas.txt"), After::Absent}};
  };
}

// A page report into a PDF that already holds an earlier document.
Setup pdfJob(const Keys& keys) {
  return [keys](Case& c) {
    c.job = keys;
    e2e::writeFile(c.file("doc.pdf"), "%PDF-1.4 anterior\n%%EOF\n");
    c.run.args = {"--pdf", c.file("doc.pdf")};
    c.outputs = {{c.file("doc.pdf"), After::Untouched}};
  };
}

// A printer job of `code` to `printer` (LOCALIMPRESSORA and IMPRESSORA) and,
// when given, to the PDF `pdf`, with [Impressoras] lines in TL.ini.
Setup printJob(const QString& code, const QString& value, const QString& printer, const QString& pdf,
               const std::vector<e2e::Output>& outputs, const QStringList& printers = {}) {
  return [=](Case& c) {
    e2e::config(c.config, QStringList(printers).replaceInStrings("{dir}", c.dir));
    c.jobPath = e2e::job(code, code == "ostexto" ? "OSCOD" : "SACOD", value,
                         QString(printer).replace("{dir}", c.dir));
    c.writeJob = false;
    if (!pdf.isEmpty()) c.run.args << "--pdf" << QString(pdf).replace("{dir}", c.dir);
    c.outputs = outputs;
  };
}

// The same, with the destination made read-only and holding "previous" first.
Setup readOnly(const QString& code, const QString& value, const QString& name) {
  return [=](Case& c) {
    const bool pdf = name.endsWith(".pdf");
    printJob(code, value, pdf ? "" : "{dir}/" + name, pdf ? "{dir}/" + name : "",
             {{"{dir}/" + name, After::Untouched}})(c);
    QFile::setPermissions(testsupport::prefilled(c.file(name)), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  };
}

// The demo database with item line 3 of every sale unreadable: its name is
// computed by a division by zero, so the fetch of that row fails.
QString brokenDatabase() {
  static const QString path = [] {
    const QString db = e2e::scratchFile("quebrado.fdb");
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

// TL.ini naming this database.
void database(Case& c, const QString& localBanco) {
  testsupport::writeIni(c.config, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"}, {"LOCALBANCO", localBanco}});
}

Setup onBrokenDatabase(const Setup& job) {
  return [job](Case& c) {
    job(c);
    database(c, brokenDatabase());
  };
}

// A layout override of the order without prices with one replacement.
Setup layout(const QByteArray& from, const QByteArray& to) {
  return [from, to](Case& c) {
    pdfJob({{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}})(c);
    QFile compiled(":/layouts/reportPedidoSpreco.json");
    ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
    QByteArray json = compiled.readAll();
    ASSERT_TRUE(json.contains(from)) << from.constData();
    e2e::writeFile(c.exeDir + "/layouts/reportPedidoSpreco.json", json.replace(from, to));
  };
}

// TL.ini made from the fixture's own (CRLF, UTF-8) for a receipt.
Setup tlIni(const std::function<QByteArray(const QByteArray& fixture)>& bytes) {
  return [bytes](Case& c) {
    textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}})(c);
    e2e::writeFile(c.config, bytes(testsupport::readFile(c.config)));
  };
}

Setup jobBytes(const QByteArray& bytes) {
  return [bytes](Case& c) {
    textJob({})(c);
    c.writeJob = false;
    e2e::writeFile(c.jobPath, bytes);
  };
}

QByteArray utf16WithoutBom(const QByteArray& utf8) {
  const QString text = QString::fromUtf8(utf8);
  return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

const QByteArray oneMegabyte(1 << 20, 'x');
const Keys kReceipt = {{"RELATORIO", "pedidocupom"}, {"SACOD", "3"}};
const Keys kPriceLabel = {{"RELATORIO", "etiqueta_peco"}, {"NOMEPRODUTO", "TUBO"}, {"CODBARRAS", "200003"}};

const Row kRows[] = {
    // Configuration and job files.
    // An unknown code, which would end with status 3: the configuration is read first.
    {"sem_tlini", [](Case& c) { textJob({{"RELATORIO", "naoexiste"}})(c); c.config = c.file("nada/TL.ini"); }},
    {"tlini_pasta", [](Case& c) { textJob({{"RELATORIO", "pedidocupom"}})(c);
                                  QDir().mkpath(c.file("pasta.ini")); c.config = c.file("pasta.ini"); }},
    {"tlini_binario", tlIni([](auto&) {
       return QByteArray("\x7f" "ELF\x02\x01\x00\x00\xff\xfe[G\x00", 14) + QByteArray(300, '\x90'); })},
    {"tlini_nul", tlIni([](auto&) { return "[Geral]\r\nUSUARIO=SYSDBA\r\nLOCAL" + QByteArray(1, '\0') + "BANCO=x\r\n"; })},
    {"tlini_utf16_sem_bom", tlIni(utf16WithoutBom)},
    {"tlini_linha_1mb", [](Case& c) {
       tlIni([](const QByteArray& ini) { return "; " + oneMegabyte + "\r\n" + ini; })(c);
       c.outputs[0].after = After::Whole; }},
    {"sem_job", [](Case& c) { textJob({})(c); c.writeJob = false; }},
    {"job_binario", jobBytes(QByteArray("\x00\x01\x02\xff\xfe\x00RELATORIO", 15))},
    {"job_nul_no_codigo", jobBytes("[Geral]\nRELATORIO=pedido" + QByteArray(1, '\0') + "cupom\n")},
    {"job_utf16_sem_bom", jobBytes(utf16WithoutBom("[Geral]\r\nRELATORIO=pedidocupom\r\n"))},
    {"job_linha_1mb", [](Case& c) {
       textJob(kReceipt + Keys{{"NOMEEMPRESA", oneMegabyte}})(c);
       c.outputs[0].after = After::Whole; }},
    // Codes that are not whole numbers.
    {"sacod_cupom", textJob({{"RELATORIO", "pedidocupom"}, {"SACOD", "1,5"}})},
    {"sacod_texto", textJob({{"RELATORIO", "pedidotexto"}, {"SACOD", "1,5"}})},
    {"sacod_etiquetas", textJob({{"RELATORIO", "etiqueta_pedido"}, {"SACOD", "1,5"}})},
    {"sacod_grafico", pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1,5"}})},
    {"oscod_texto", textJob({{"RELATORIO", "ostexto"}, {"OSCOD", "2,5"}})},
    {"oscod_os", pdfJob({{"RELATORIO", "os"}, {"OSCOD", "2,5"}})},
    {"encod_entrada", pdfJob({{"RELATORIO", "entrada_estoque"}, {"ENCOD", "1,5"}})},
    {"prcod_kit", pdfJob({{"RELATORIO", "cadastro_kit"}, {"PRCOD", "60,5"}})},
    {"pcod_producao", pdfJob({{"RELATORIO", "pedido_producao"}, {"PCOD", "0,1"}})},
    // Prices: too many digits for a double is refused; what is not a number is no price.
    {"preco_20_digitos", textJob(kPriceLabel + Keys{{"PRECO", "99999999999999999999"}})},
    {"preco_1e400", textJob(kPriceLabel + Keys{{"PRECO", "1e400"}})},
    // Images and layouts beside the program.
    {"sem_cabecalho", [](Case& c) { pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}})(c);
                                    QFile::remove(c.exeDir + "/cabecalho.jpg"); }},
    {"cabecalho_corrompido", [](Case& c) { pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}})(c);
                                           e2e::writeFile(c.exeDir + "/cabecalho.jpg", "\xFF\xD8\xFF\xE0 cortado"); }},
    {"layout_json_quebrado", layout("\"sections\"", "\"sections\" ]")},
    {"layout_largura_1e300", layout("\"width\": ", "\"width\": 1e300, \"x\": ")},
    {"layout_altura_negativa", layout("\"height\": ", "\"height\": -500, \"x\": ")},
    {"layout_fonte_5000", layout("\"fontSize\": ", "\"fontSize\": 5000, \"x\": ")},
    {"layout_largura_texto", layout("\"width\": ", "\"width\": \"largo\", \"x\": ")},
    // Databases that cannot be reached or read.
    {"servidor_mudo", [](Case& c) {
       static e2e::Listener server(/*silent=*/true);
       textJob(kReceipt)(c);
       database(c, QString("127.0.0.1/%1:/dados/x.fdb").arg(server.port()));
       c.run.timeoutMs = 30000; }},
    {"servidor_fechado", [](Case& c) {
       textJob(kReceipt)(c);
       database(c, QString("127.0.0.1/%1:/dados/x.fdb").arg(e2e::refusedPort()));
       c.run.timeoutMs = 30000; }},
    {"acentos_locale_c", [](Case& c) {
       textJob(kReceipt)(c);
       const QString db = c.file("ação/demonstração.fdb");
       QDir().mkpath(QFileInfo(db).absolutePath());
       ASSERT_TRUE(QFile::copy(testsupport::fixtureDatabase(), db));
       database(c, db);
       c.run.env.insert("LC_ALL", "C");
       c.run.env.insert("LANG", "C");
       c.outputs[0].after = After::Whole; }},
    {"leitura_cupom", onBrokenDatabase(textJob(kReceipt))},
    {"leitura_grafico", onBrokenDatabase(pdfJob({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}}))},
    // Printer destinations and PDFs: a name no printer or mapping has, none at
    // all, a FIFO nobody reads, /dev/full, read-only files, missing folders;
    // and the two mappings and the PDF that do get the document whole.
    {"lpt1_sem_mapa", printJob("pedidocupom", "4", "LPT1", "", {{"LPT1", After::Absent}})},
    {"com1_sem_mapa", printJob("etiqueta_peco", "", "com1:", "", {{"com1:", After::Absent}})},
    {"sem_impressora", printJob("pedidotexto", "1", "", "", {})},
    {"fifo_sem_leitor", [](Case& c) {
       ASSERT_EQ(::mkfifo(c.file("fifo").toLocal8Bit(), 0600), 0);
       printJob("pedidocupom", "4", "{dir}/fifo", "", {})(c);
       c.run.env.insert("TL_PRINTER_WAIT_MS", "1000"); }},
    {"impressora_dev_full", printJob("pedidotexto", "1", "/dev/full", "", {})},
    {"impressora_somente_leitura", readOnly("pedidocupom", "4", "ro.prn")},
    {"impressora_pasta_inexistente", printJob("etiqueta_pedido", "8", "{dir}/sem-pasta/saida", "",
                                              {{"{dir}/sem-pasta/saida", After::Absent}})},
    {"lpt1_mapeada", printJob("pedidocupom", "4", "lpt1", "", {{"{dir}/lpt1.prn", After::Whole}},
                              {"LPT1={dir}/lpt1.prn"})},
    {"compartilhamento_mapeado", printJob("etiqueta_pedido", "8", "\\\\CAIXA01\\ETIQ", "",
                                          {{"{dir}/etiq.prn", After::Whole}, {"\\\\CAIXA01\\ETIQ", After::Absent}},
                                          {"\\\\caixa01\\etiq={dir}/etiq.prn"})},
    {"pdf_dev_full", printJob("pedidografico", "1", "", "/dev/full", {})},
    {"pdf_pasta_inexistente", printJob("pedidografico", "1", "", "{dir}/sem-pasta/saida.pdf",
                                       {{"{dir}/sem-pasta/saida.pdf", After::Absent}})},
    {"pdf_somente_leitura", readOnly("pedidografico", "1", "ro.pdf")},
    {"pdf_inteiro", printJob("pedidografico", "1", "", "{dir}/ok.pdf", {{"{dir}/ok.pdf", After::Whole}})},
};

class BadInput : public testing::TestWithParam<Row> {};

// The row's exit status and message come from the golden table, one line a row.
const QString kGolden = "src/dispatch/testdata/badinput.lines";

TEST_P(BadInput, EndsWithItsStatusMessageAndOutputs) {
  const QStringList line = testsupport::goldenLines(kGolden).filter(QRegularExpression("^" + QString(GetParam().name) + " "));
  ASSERT_EQ(line.size(), 1) << GetParam().name;
  e2e::runRow(GetParam(), line[0].section(' ', 1, 1).toInt(), line[0].section(' ', 2).mid(1).chopped(1));
}

INSTANTIATE_TEST_SUITE_P(Table, BadInput, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
