// Times one commission inquiry (&OK) in one mode over a database given on
// the command line, and reports the peak memory of the process.
//   commission_bench DB.fdb FROM TO MODE   (FROM/TO as dd/mm/yyyy)
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <cstdio>
#include <ctime>

#include "commission/comissaosql.h"
#include "commission/frmconscomissaogeral.h"
#include "ui/ui.h"

namespace {

double cpuMs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// The query alone: opened and read to the end without touching a column.
std::pair<qint64, double> queryOnly(modCnn& m, const QString& sql) {
  QElapsedTimer t;
  t.start();
  const double c0 = cpuMs();
  m.Rs.open(" " + sql + " ", m.Cnn);
  while (!m.Rs.eof()) m.Rs.MoveNext();
  m.Rs.Close();
  return {t.elapsed(), cpuMs() - c0};
}

long peakKiB() {
  QFile f("/proc/self/status");
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const auto m = QRegularExpression("VmHWM:\\s+(\\d+)").match(QString::fromLatin1(f.readAll()));
  return m.hasMatch() ? m.captured(1).toLong() : -1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  if (argc < 5) {
    std::fprintf(stderr, "uso: %s BANCO.fdb DE ATE vendedor|representante|indicacao\n", argv[0]);
    return 2;
  }
  modCnn m;
  m.Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" +
             QString::fromLocal8Bit(argv[1]));
  ui::BatchUi ui;
  FrmConsComissaoGERAL w(m, ui);
  w.Form_Load();
  w.show();
  const auto& c = w.controls();
  c.COINICIAL->setText(QString::fromLocal8Bit(argv[2]));
  c.COFINAL->setText(QString::fromLocal8Bit(argv[3]));
  c.OPTODOS->setChecked(true);
  c.COMISS_INDICACAO->setText("2,5");
  const QString mode = QString::fromLocal8Bit(argv[4]);
  (mode == "representante" ? c.OPREPRESENTANTE
   : mode == "indicacao"   ? c.OPINDICACAO
                           : c.OPVENDEDOR)
      ->setChecked(true);

  w.Command2_Click();  // warms the database cache
  // The text sent for the sales grid, alone, then the whole &OK (query, grid
  // filled, first paint): the difference is the program's own share.
  const QString sent = mode == "vendedor"
                           ? comissao::sqlComissaoVendedorEnviada(w.consulta().dtInicial(),
                                                                  w.consulta().dtFinal(),
                                                                  comissao::kTodos)
                           : w.consulta().sqlComissao();
  const auto [qWall, qCpu] = queryOnly(m, sent);
  QElapsedTimer t;
  t.start();
  const double c0 = cpuMs();
  w.Command2_Click();
  w.repaint();
  const qint64 wall = t.elapsed();
  const double cpu = cpuMs() - c0;
  std::printf("modo %s linhas %d ok_ms %lld cpu_ms %.0f consulta_ms %lld consulta_cpu_ms %.0f "
              "pico_mib %ld comissao %s\n",
              mode.toUtf8().constData(), w.consulta().vendas().rowCount(), wall, cpu, qWall, qCpu,
              peakKiB() / 1024, w.consulta().totais().comissao.toUtf8().constData());
  return 0;
}
