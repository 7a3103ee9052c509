#include "commission/frmconscomissaogeral.h"

#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "commission/comissaosql.h"
#include "core/errors.h"
#include "core/sqltext.h"
#include "drawing/painterbackend.h"

namespace {

const QString kAppTitle = QStringLiteral("tl_relatorios");
const QColor kDarkRed(0xC0, 0x00, 0x00);  // &H000000C0
const QString kDateMask = QStringLiteral("99/99/9999;_");

bool isEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

void setTextColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  w->setPalette(p);
}

}  // namespace

FrmConsComissaoGERAL::FrmConsComissaoGERAL(modCnn& m, ui::Ui& ui, QWidget* parent)
    : QWidget(parent),
      m_(m),
      ui_(ui),
      consulta_(m, ui),
      printSink_([](const draw::Document& d, QPrinter& printer) {
        draw::renderToPrinter(d, printer);
      }) {
  setObjectName("FrmConsComissaoGERAL");
  setWindowTitle(" Talvora - Consulta de Comissões NOTAS FISCAIS (PEDIDO DE VENDAS)");
  // The form was laid out in twips for an 8-point sans face; the blanks of
  // "DE ... ATÉ" place ATÉ between the two date fields only at that size.
  setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  buildControls();
  consulta_.aoMudarTotais([this] { showTotals(); });
}

FrmConsComissaoGERAL::~FrmConsComissaoGERAL() = default;

namespace {

// Positions and sizes in twips; a size of 0 takes the control's natural size.
void place(QWidget* w, int left, int top, int width = 0, int height = 0) {
  QWidget* form = w->parentWidget();
  const QSize natural = w->sizeHint();
  w->setGeometry(ui::twipsToPixelsX(form, left), ui::twipsToPixelsY(form, top),
                 width ? ui::twipsToPixelsX(form, width) : natural.width(),
                 height ? ui::twipsToPixelsY(form, height) : natural.height());
}

template <typename W, typename... Args>
W* control(QWidget* form, const char* name, Args&&... args) {
  auto* w = new W(std::forward<Args>(args)..., form);
  w->setObjectName(name);
  return w;
}

QLabel* label(QWidget* form, const char* name, const QString& text) { return control<QLabel>(form, name, text); }

// The form's filters handle Enter and the typed keys of these.
QLineEdit* dateField(QWidget* form, const char* name) {
  auto* e = control<QLineEdit>(form, name);
  e->setInputMask(kDateMask);
  e->setMaxLength(10);
  e->installEventFilter(form);
  return e;
}

// A name typed or picked from the list; the form looks the typed name up.
QComboBox* nameField(QWidget* form, const char* name) {
  auto* c = control<QComboBox>(form, name);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setCompleter(nullptr);
  c->installEventFilter(form);
  c->lineEdit()->installEventFilter(form);
  return c;
}

QPushButton* button(QWidget* form, const char* name, const QString& text) {
  auto* b = control<QPushButton>(form, name, text);
  // Enter presses the button that has the focus, as Enter on the fields
  // leads the operator to &OK.
  b->setAutoDefault(true);
  return b;
}

}  // namespace

void FrmConsComissaoGERAL::buildControls() {
  buildPeriods();
  buildPersonFilters();
  buildButtonsAndGrids();
  connectControls();
  // The window's client area, near the top-left corner of the screen.
  resize(ui::twipsToPixelsX(this, 11640), ui::twipsToPixelsY(this, 7455));
  move(ui::twipsToPixelsX(this, 50), ui::twipsToPixelsY(this, 100));
}

// The sale's issue period, and the cancellation period in dark red.
void FrmConsComissaoGERAL::buildPeriods() {
  c_.Label5 = label(this, "Label5", "PERÍODO DE EMISSÃO DA NOTA FISCAL");
  place(c_.Label5, 120, 120);
  c_.Label3 = label(this, "Label3", "DE                             ATÉ");
  place(c_.Label3, 120, 360, 1935, 255);
  c_.COINICIAL = dateField(this, "COINICIAL");
  place(c_.COINICIAL, 480, 360, 1095, 345);
  c_.COFINAL = dateField(this, "COFINAL");
  place(c_.COFINAL, 2040, 360, 1095, 345);

  c_.Label7 = label(this, "Label7", "PERÍODO DE CANCELAMENTO DA VENDA");
  place(c_.Label7, 3360, 120);
  c_.Label8 = label(this, "Label8", "DE                             ATÉ");
  place(c_.Label8, 3360, 360, 1935, 255);
  c_.CAINICIAL = dateField(this, "CAINICIAL");
  place(c_.CAINICIAL, 3720, 360, 1095, 345);
  c_.CAFINAL = dateField(this, "CAFINAL");
  place(c_.CAFINAL, 5280, 360, 1095, 345);
  for (QWidget* w : {static_cast<QWidget*>(c_.Label7), static_cast<QWidget*>(c_.Label8),
                     static_cast<QWidget*>(c_.CAINICIAL), static_cast<QWidget*>(c_.CAFINAL)})
    setTextColour(w, kDarkRed);
}

// Whose commission: a seller (or all), a representative, or a referrer with
// the percentage to apply.
void FrmConsComissaoGERAL::buildPersonFilters() {
  c_.Label2 = label(this, "Label2", "VENDEDOR");
  place(c_.Label2, 6840, 120);
  c_.FUCOD = nameField(this, "FUCOD");
  place(c_.FUCOD, 6840, 360, 4575);
  c_.OPTODOS = control<QCheckBox>(this, "OPTODOS", "TODOS");
  c_.OPTODOS->installEventFilter(this);
  place(c_.OPTODOS, 10560, 120);

  c_.OPVENDEDOR = control<QRadioButton>(this, "OPVENDEDOR", "VENDEDOR");
  c_.OPVENDEDOR->setChecked(true);
  place(c_.OPVENDEDOR, 120, 720);
  c_.OPREPRESENTANTE = control<QRadioButton>(this, "OPREPRESENTANTE", "REPRESENTANTE / GERENTE");
  place(c_.OPREPRESENTANTE, 120, 960);
  c_.OPINDICACAO = control<QRadioButton>(this, "OPINDICACAO", "INDICAÇÃO");
  place(c_.OPINDICACAO, 120, 1200);

  c_.lblFieldLabel = label(this, "lblFieldLabel", "INDICADO POR:");
  place(c_.lblFieldLabel, 3360, 720);
  c_.ININDICACAO = nameField(this, "ININDICACAO");
  c_.ININDICACAO->setEnabled(false);
  place(c_.ININDICACAO, 3360, 960, 4815);

  c_.COMISS_INDICACAO = control<QLineEdit>(this, "COMISS_INDICACAO");
  c_.COMISS_INDICACAO->setToolTip("Percentual de comissão para a Indicação");
  // Every character comes through the key filter: no pasting around it.
  c_.COMISS_INDICACAO->setContextMenuPolicy(Qt::NoContextMenu);
  c_.COMISS_INDICACAO->setAcceptDrops(false);
  c_.COMISS_INDICACAO->installEventFilter(this);
  place(c_.COMISS_INDICACAO, 1800, 1200, 735, 285);
  c_.Label1 = label(this, "Label1", "%");
  place(c_.Label1, 2520, 1200);
}

// The three buttons, the sales grid with its totals, and the cancelled
// sales grid in dark red.
void FrmConsComissaoGERAL::buildButtonsAndGrids() {
  c_.Command2 = button(this, "Command2", "&OK");
  place(c_.Command2, 8400, 960, 975, 375);
  c_.Command3 = button(this, "Command3", "&IMPRIMIR");
  place(c_.Command3, 9480, 960, 975, 375);
  c_.Command1 = button(this, "Command1", "&LIMPAR");
  place(c_.Command1, 10560, 960, 975, 375);

  auto grid = [this](const char* name, CommissionGridModel* model) {
    auto* v = control<QTableView>(this, name);
    comissao::setUpGrid(v, model);
    return v;
  };
  c_.TABELA = grid("TABELA", &consulta_.vendas());
  place(c_.TABELA, 120, 1560, 11415, 3015);

  c_.Label6 = label(this, "Label6", "RELAÇÃO DE VENDAS CANCELADAS");
  setTextColour(c_.Label6, kDarkRed);
  place(c_.Label6, 120, 4680);
  c_.LBLPEDIDOS = label(this, "LBLPEDIDOS", "");
  place(c_.LBLPEDIDOS, 5520, 4680, 2655);
  c_.LBLCOMIS = label(this, "LBLCOMIS", "");
  place(c_.LBLCOMIS, 8880, 4680, 1095);
  c_.LBLTOTAL = label(this, "LBLTOTAL", "");
  place(c_.LBLTOTAL, 10080, 4680, 975);

  c_.TABELACAN = grid("TABELACAN", &consulta_.cancelados());
  setTextColour(c_.TABELACAN, kDarkRed);
  place(c_.TABELACAN, 120, 5040, 11415, 2055);
  c_.LBLCAN = label(this, "LBLCAN", "");
  setTextColour(c_.LBLCAN, kDarkRed);
  place(c_.LBLCAN, 8760, 7080, 1095);
}

// The legacy form's tab order, and the buttons' and options' handlers.
void FrmConsComissaoGERAL::connectControls() {
  const QList<QWidget*> order = {c_.COINICIAL, c_.COFINAL,    c_.CAINICIAL,       c_.CAFINAL,
                                 c_.FUCOD,     c_.OPTODOS,    c_.Command2,        c_.Command3,
                                 c_.Command1,  c_.TABELA,     c_.TABELACAN,       c_.OPVENDEDOR,
                                 c_.OPREPRESENTANTE, c_.OPINDICACAO, c_.ININDICACAO, c_.COMISS_INDICACAO};
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  // Every handler that can fail reports through ui::guarded.
  connect(c_.Command1, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command1_Click(); }); });
  connect(c_.Command2, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command2_Click(); }); });
  connect(c_.Command3, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command3_Click(); }); });
  connect(c_.OPVENDEDOR, &QRadioButton::clicked, this, [this] { modeSellerOrRepresentative(); });
  connect(c_.OPREPRESENTANTE, &QRadioButton::clicked, this, [this] { modeSellerOrRepresentative(); });
  connect(c_.OPINDICACAO, &QRadioButton::clicked, this, [this] { modeReferral(); });
}

void FrmConsComissaoGERAL::Form_Load() {
  c_.Command3->setEnabled(true);
  c_.FUCOD->addItems(consulta_.vendedores());
  c_.FUCOD->setCurrentIndex(-1);
  c_.FUCOD->setEditText(QString());
}

// ---- keyboard ------------------------------------------------------------

bool FrmConsComissaoGERAL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == c_.COINICIAL && isEnter(key)) return dateFieldEnter(c_.COINICIAL, c_.COFINAL), true;
  if (watched == c_.COFINAL && isEnter(key)) return dateFieldEnter(c_.COFINAL, c_.CAINICIAL), true;
  if (watched == c_.CAINICIAL && isEnter(key)) return dateFieldEnter(c_.CAINICIAL, c_.CAFINAL), true;
  if (watched == c_.CAFINAL && isEnter(key)) {
    // In referral mode the seller box is disabled and cannot take the focus:
    // the referrer box stands in for it.
    dateFieldEnter(c_.CAFINAL, c_.FUCOD->isEnabled() ? static_cast<QWidget*>(c_.FUCOD) : c_.ININDICACAO);
    return true;
  }
  if ((watched == c_.FUCOD || watched == c_.FUCOD->lineEdit()) && isEnter(key)) {
    c_.OPTODOS->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == c_.OPTODOS && isEnter(key)) {
    c_.Command2->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == c_.ININDICACAO || watched == c_.ININDICACAO->lineEdit()) {
    if (isEnter(key)) {
      lookUpReferrer();
      return true;
    }
    const QString text = key->text();
    if (!text.isEmpty() && text.at(0).isPrint() && text != text.toUpper()) {
      c_.ININDICACAO->lineEdit()->insert(text.toUpper());
      return true;
    }
    return false;
  }
  if (watched == c_.COMISS_INDICACAO) return percentKey(key);
  return QWidget::eventFilter(watched, event);
}

void FrmConsComissaoGERAL::dateFieldEnter(QLineEdit* field, QWidget* next) {
  if (field->displayText() == comissao::kEmptyDate)
    field->setText(QDate::currentDate().toString("dd/MM/yyyy"));
  next->setFocus(Qt::TabFocusReason);
}

// The percentage takes digits, Backspace and one decimal comma ("." is
// entered as ","); any other character is refused with a message and erases
// the character left of the caret, as the legacy field did.
bool FrmConsComissaoGERAL::percentKey(QKeyEvent* key) {
  // Keys that type no character never reached the legacy field's filter.
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
    return false;
  if (isEnter(key)) {
    c_.Command2->setFocus(Qt::TabFocusReason);
    return true;
  }
  const bool paste = key->matches(QKeySequence::Paste);
  QString text = key->text();
  if (text.isEmpty() && !paste) return false;  // arrows, Delete, Home: no character
  if (!paste) {
    if (text == "." || text == ",") {
      c_.COMISS_INDICACAO->insert(",");
      return true;
    }
    text = text.toUpper();
    if (key->key() == Qt::Key_Backspace || text == "\b") return false;
    if (text.size() == 1 && text.at(0) >= '0' && text.at(0) <= '9') {
      c_.COMISS_INDICACAO->insert(text);
      return true;
    }
  }
  ui_.message("Digite somente números", kAppTitle, ui::Icon::None);
  c_.COMISS_INDICACAO->backspace();
  return true;
}

void FrmConsComissaoGERAL::lookUpReferrer() {
  const auto found = consulta_.procurarIndicacao(c_.ININDICACAO->currentText());
  if (!found) return;  // nothing found: text and list stay
  c_.ININDICACAO->clear();
  c_.ININDICACAO->addItems(found->nomes);
  c_.ININDICACAO->setEditText(found->primeiro);
}

// ---- modes ---------------------------------------------------------------

void FrmConsComissaoGERAL::modeSellerOrRepresentative() {
  c_.FUCOD->setEnabled(true);
  c_.ININDICACAO->setEditText(QString());
  c_.ININDICACAO->setEnabled(false);
}

void FrmConsComissaoGERAL::modeReferral() {
  c_.FUCOD->setEditText(QString());
  c_.FUCOD->setEnabled(false);
  c_.ININDICACAO->setEnabled(true);
}

// ---- buttons -------------------------------------------------------------

comissao::Filtros FrmConsComissaoGERAL::filtros() const {
  comissao::Filtros f;
  f.emissaoDe = c_.COINICIAL->displayText();
  f.emissaoAte = c_.COFINAL->displayText();
  f.cancelamentoDe = c_.CAINICIAL->displayText();
  f.cancelamentoAte = c_.CAFINAL->displayText();
  f.modo = c_.OPINDICACAO->isChecked()       ? comissao::Modo::Indicacao
           : c_.OPREPRESENTANTE->isChecked() ? comissao::Modo::Representante
                                             : comissao::Modo::Vendedor;
  f.todos = c_.OPTODOS->isChecked();
  f.vendedor = c_.FUCOD->currentText();
  f.indicacao = c_.ININDICACAO->currentText();
  f.percentual = c_.COMISS_INDICACAO->text();
  return f;
}

void FrmConsComissaoGERAL::showTotals() {
  const comissao::Totais& t = consulta_.totais();
  c_.LBLCOMIS->setText(t.comissao);
  c_.LBLTOTAL->setText(t.vendas);
  c_.LBLPEDIDOS->setText(t.pedidos);
  c_.LBLCAN->setText(t.cancelado);
}

void FrmConsComissaoGERAL::Command2_Click() {
  // The busy pointer over the window while the queries run; restored
  // however they end.
  struct Busy {
    QWidget* w = nullptr;
    void on(QWidget* window) {
      w = window;
      w->setCursor(Qt::BusyCursor);
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~Busy() {
      if (w) w->unsetCursor();
    }
  } busy;
  consulta_.consultar(filtros(), [&] { busy.on(this); });
}

void FrmConsComissaoGERAL::Command1_Click() {
  consulta_.limpar();
  c_.COMISS_INDICACAO->clear();
  c_.OPTODOS->setChecked(false);
  c_.FUCOD->setEditText(QString());
  for (QLineEdit* f : {c_.COINICIAL, c_.COFINAL, c_.CAINICIAL, c_.CAFINAL}) f->clear();
  c_.COINICIAL->setFocus(Qt::OtherFocusReason);
  c_.ININDICACAO->setEditText(QString());
}

void FrmConsComissaoGERAL::closeEvent(QCloseEvent* event) {
  event->accept();
  if (endsProgramOnClose_) QCoreApplication::exit(0);
}
