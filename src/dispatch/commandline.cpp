#include "dispatch/commandline.h"

#include <QDir>

CommandLine parseCommandLine(const QStringList& args, const QString& exeDir) {
  CommandLine cl;
  cl.options.exeDir = exeDir;
  cl.options.configPath = QDir(exeDir).filePath("TL.ini");
  cl.options.jobPath = defaultJobPath();
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const auto takeValue = [&](QString& target) {
      if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
        cl.error = "a opção " + a + " exige um arquivo";
        return;
      }
      target = args[++i];
    };
    if (a == "--config") takeValue(cl.options.configPath);
    else if (a == "--job") takeValue(cl.options.jobPath);
    else if (a == "--pdf") takeValue(cl.options.pdfPath);
    else if (a == "--printer") {
      if (i + 1 >= args.size() || args[i + 1].isEmpty())
        cl.error = "a opção --printer exige o nome de uma impressora";
      else
        cl.options.printerName = args[++i];
    } else if (a == "--copies") {
      bool ok = false;
      const int n = i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
      if (!ok || n < 1 || n > 999) {
        cl.error = "a opção --copies exige um número de cópias de 1 a 999";
      } else {
        cl.options.copies = n;
        ++i;
      }
    } else if (a == "--batch") cl.options.batch = true;
    else if (a == "--preview") cl.options.preview = true;
    else if (a == "--help" || a == "-h") cl.help = true;
    else if (a == "--version") cl.version = true;
    else cl.error = "opção desconhecida: " + a;
    if (!cl.error.isEmpty()) break;
  }
  return cl;
}

QString usageText() {
  return QStringLiteral(
      "Uso: tl_relatorios [opções]\n"
      "Imprime o documento do trabalho descrito em parimp.txt.\n"
      "\n"
      "  --config ARQUIVO  lê este arquivo em vez do TL.ini ao lado do programa\n"
      "  --job ARQUIVO     lê este trabalho em vez do parimp.txt da pasta do usuário\n"
      "  --pdf ARQUIVO     relatórios e documentos desenhados vão para ARQUIVO (PDF);\n"
      "                    cupom, textos e etiquetas: a imagem do que iria à impressora\n"
      "  --preview         cupom, textos e etiquetas: mostra a imagem do que vai\n"
      "                    para a impressora antes de imprimir\n"
      "  --printer NOME    relatórios, recibo de entrada e relatórios de comissão vão\n"
      "                    para esta impressora, sem a caixa de impressão\n"
      "  --copies N        número de cópias nessa impressora (ou na impressora padrão\n"
      "                    com --batch; valor inicial da caixa de impressão)\n"
      "  --batch           sem janelas: mensagens na saída de erro, perguntas com a\n"
      "                    resposta padrão; sem --printer nem --pdf, a impressora\n"
      "                    padrão (variável LPDEST ou PRINTER, ou a do sistema)\n"
      "  --help            mostra esta ajuda\n"
      "  --version         mostra a versão\n"
      "\n"
      "Saída: 0 trabalho executado; 1 erro de execução; 2 linha de comando inválida;\n"
      "3 nenhum documento para o código de relatório.\n");
}
