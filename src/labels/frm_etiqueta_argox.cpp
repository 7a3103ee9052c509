#include "labels/frm_etiqueta_argox.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "labels/labelicon.h"
#include "core/masks.h"
#include "ui/twips.h"

namespace {

// The window's client area, in twips.
constexpr int kClientWidth = 6240;
constexpr int kClientHeight = 1935;
// The controls were laid out for an 8-point sans-serif face.
constexpr int kFontPoints = 8;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  // Product names are data: never read them as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

frm_etiqueta_argox::frm_etiqueta_argox(modCnn& m, ui::Ui& ui, QWidget* parent)
    : QWidget(parent), m_(m), ui_(ui) {
  setObjectName("frm_etiqueta_argox");
  setWindowTitle("Argox - Impressão de Etiquetas");
  setWindowIcon(labelIcon());
  QFont face(QStringLiteral("Liberation Sans"));
  face.setPointSize(kFontPoints);
  setFont(face);
  buildControls();
  resize(ui::twipsToPixelsX(this, kClientWidth), ui::twipsToPixelsY(this, kClientHeight));
}

frm_etiqueta_argox::~frm_etiqueta_argox() = default;

void frm_etiqueta_argox::place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(ui::twipsToPixelsX(this, left), ui::twipsToPixelsY(this, top),
                 ui::twipsToPixelsX(this, width), ui::twipsToPixelsY(this, height));
}

void frm_etiqueta_argox::buildControls() {
  Label4 = makeLabel(this, "Label4", "PRODUTO:");
  PRNOME = makeLabel(this, "PRNOME", "NOME");
  Label5 = makeLabel(this, "Label5", "PREÇO:");
  PRPRECO = makeLabel(this, "PRPRECO", "PRECO");
  lblcod = makeLabel(this, "lblcod", "CÓD.BARRAS:");
  PRBARRAS = makeLabel(this, "PRBARRAS", "CODBARRAS");
  Label1 = makeLabel(this, "Label1", "QTDE:");

  QTDE = new QLineEdit(this);
  QTDE->setObjectName("QTDE");

  COMPRECO = new QRadioButton("COM PREÇO", this);
  COMPRECO->setObjectName("COMPRECO");
  SEMPRECO = new QRadioButton("SEM PREÇO", this);
  SEMPRECO->setObjectName("SEMPRECO");
  grupoPreco = new QButtonGroup(this);
  grupoPreco->addButton(COMPRECO);
  grupoPreco->addButton(SEMPRECO);
  COMPRECO->setChecked(true);

  BTIMPRIMIR = new QPushButton("&IMPRIMIR", this);
  BTIMPRIMIR->setObjectName("BTIMPRIMIR");
  BTIMPRIMIR->setAutoDefault(false);

  // Position (left, top, width, height in twips) and tab index of each control.
  struct Placement {
    QWidget* control;
    int left, top, width, height, tabIndex;
  };
  std::vector<Placement> placements = {
      {Label4, 240, 120, 975, 255, 7},      {PRNOME, 1560, 120, 4455, 255, 5},
      {Label5, 240, 480, 855, 255, 8},      {PRPRECO, 1560, 480, 1695, 255, 6},
      {lblcod, 240, 840, 1215, 255, 10},    {PRBARRAS, 1560, 840, 2775, 255, 9},
      {Label1, 240, 1200, 615, 255, 1},     {QTDE, 240, 1440, 495, 375, 0},
      {COMPRECO, 960, 1560, 1335, 255, 2},  {SEMPRECO, 2520, 1560, 1335, 255, 3},
      {BTIMPRIMIR, 4440, 1320, 1575, 495, 4},
  };
  for (const auto& p : placements) {
    place(p.control, p.left, p.top, p.width, p.height);
    p.control->setProperty("TabIndex", p.tabIndex);
  }

  // Tab order: the controls that take the focus, by tab index.
  std::sort(placements.begin(), placements.end(),
            [](const Placement& a, const Placement& b) { return a.tabIndex < b.tabIndex; });
  QWidget* previous = nullptr;
  for (const auto& p : placements) {
    if (p.control->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, p.control);
    previous = p.control;
  }

  connect(BTIMPRIMIR, &QPushButton::clicked, this,
          [this] { ui::guarded(ui_, [this] { BTIMPRIMIR_Click(); }); });
}

void frm_etiqueta_argox::openForProduct(bool showWindow) {
  if (showWindow) {
    show();
    raise();
    activateWindow();
  }
  PRNOME->setText(midText(m_.job.NOMEPRODUTO, 1, 21));
  PRPRECO->setText(formatMask(Value::decimal(m_.job.PRECO), "###,0.00"));
  PRBARRAS->setText(m_.job.CODBARRAS);
  QTDE->setFocus();
}

void frm_etiqueta_argox::closeEvent(QCloseEvent* event) {
  event->accept();
  // Closing the window ends the program.
  ui::guarded(ui_, [] { QCoreApplication::exit(0); });
}

void frm_etiqueta_argox::endProgram() {
  ended_ = true;
  hide();
  QCoreApplication::exit(0);
}
