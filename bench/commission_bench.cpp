// Times one commission inquiry (&OK) in each mode over a database given on
// the command line, and reports the peak memory of the process.
//   commission_bench DB.fdb FROM TO   (FROM/TO as dd/mm/yyyy)
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
  if (argc < 4) {
    std::fprintf(stderr, "uso: %s BANCO.fdb DE ATE\n", argv[0]);
    return 2;
  }
  modCnn m;
  m.Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" +
             QString::fromLocal8Bit(argv[1]));
  ui::BatchUi ui;
  FrmConsComissaoGERAL w(m, ui);
  w.Form_Load();
  w.show();
  w.COINICIAL->setText(QString::fromLocal8Bit(argv[2]));
  w.COFINAL->setText(QString::fromLocal8Bit(argv[3]));
  w.OPTODOS->setChecked(true);
  w.COMISS_INDICACAO->setText("2,5");

  int worst = 0;
  struct Mode {
    const char* name;
    QRadioButton* button;
  };
  for (const Mode& mode : {Mode{"vendedor", w.OPVENDEDOR}, Mode{"representante", w.OPREPRESENTANTE},
                           Mode{"indicacao", w.OPINDICACAO}}) {
    mode.button->setChecked(true);
    w.Command2_Click();  // warms the database cache and builds the query text
    // The query alone, then the whole &OK (query, grid filled, first paint):
    // the difference is the program's own share.
    const auto [qWall, qCpu] = queryOnly(m, w.SQLCOMISSAO);
    QElapsedTimer t;
    t.start();
    const double c0 = cpuMs();
    w.Command2_Click();
    w.repaint();
    const qint64 wall = t.elapsed();
    const double cpu = cpuMs() - c0;
    worst = std::max<int>(worst, int(wall));
    std::printf(
        "%-14s linhas %7d  &OK %6lld ms (cpu %6.0f ms); so a consulta %6lld ms (cpu %6.0f ms); "
        "grade alem da consulta ~%6.0f ms de cpu; comissao %s\n",
        mode.name, w.gridTabela.rowCount(), wall, cpu, qWall, qCpu, cpu - qCpu,
        w.LBLCOMIS->text().toUtf8().constData());
  }
  std::printf("pico de memoria %ld MiB\n", peakKiB() / 1024);
  std::printf("pior tempo %d ms\n", worst);
  return 0;
}
