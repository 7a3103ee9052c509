#include "commission/frmconscomissaogeral.h"

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
      printSink_([](const draw::Document& d, QPrinter& printer) {
        draw::renderToPrinter(d, printer);
      }) {
  setObjectName("FrmConsComissaoGERAL");
  setWindowTitle(" Talvora - Consulta de Comissões NOTAS FISCAIS (PEDIDO DE VENDAS)");
  // The form was laid out in twips for an 8-point sans face; the blanks of
  // "DE ... ATÉ" place ATÉ between the two date fields only at that size.
  setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  buildControls();
}

FrmConsComissaoGERAL::~FrmConsComissaoGERAL() = default;

void FrmConsComissaoGERAL::buildControls() {
  using comissao::twipsToPixelsX;
  using comissao::twipsToPixelsY;
  // Positions and sizes in twips; a size of 0 takes the control's natural size.
  auto place = [this](QWidget* w, int left, int top, int width = 0, int height = 0) {
    const QSize natural = w->sizeHint();
    w->setGeometry(twipsToPixelsX(this, left), twipsToPixelsY(this, top),
                   width ? twipsToPixelsX(this, width) : natural.width(),
                   height ? twipsToPixelsY(this, height) : natural.height());
  };
  auto label = [this](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    return l;
  };
  auto dateField = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setInputMask(kDateMask);
    e->setMaxLength(10);
    e->installEventFilter(this);
    return e;
  };

  Label5 = label("Label5", "PERÍODO DE EMISSÃO DA NOTA FISCAL");
  place(Label5, 120, 120);
  Label3 = label("Label3", "DE                             ATÉ");
  place(Label3, 120, 360, 1935, 255);
  COINICIAL = dateField("COINICIAL");
  place(COINICIAL, 480, 360, 1095, 345);
  COFINAL = dateField("COFINAL");
  place(COFINAL, 2040, 360, 1095, 345);

  Label7 = label("Label7", "PERÍODO DE CANCELAMENTO DA VENDA");
  setTextColour(Label7, kDarkRed);
  place(Label7, 3360, 120);
  Label8 = label("Label8", "DE                             ATÉ");
  setTextColour(Label8, kDarkRed);
  place(Label8, 3360, 360, 1935, 255);
  CAINICIAL = dateField("CAINICIAL");
  setTextColour(CAINICIAL, kDarkRed);
  place(CAINICIAL, 3720, 360, 1095, 345);
  CAFINAL = dateField("CAFINAL");
  setTextColour(CAFINAL, kDarkRed);
  place(CAFINAL, 5280, 360, 1095, 345);

  Label2 = label("Label2", "VENDEDOR");
  place(Label2, 6840, 120);
  FUCOD = new QComboBox(this);
  FUCOD->setObjectName("FUCOD");
  FUCOD->setEditable(true);
  FUCOD->setInsertPolicy(QComboBox::NoInsert);
  FUCOD->setCompleter(nullptr);
  FUCOD->installEventFilter(this);
  FUCOD->lineEdit()->installEventFilter(this);
  place(FUCOD, 6840, 360, 4575);
  OPTODOS = new QCheckBox("TODOS", this);
  OPTODOS->setObjectName("OPTODOS");
  OPTODOS->installEventFilter(this);
  place(OPTODOS, 10560, 120);

  OPVENDEDOR = new QRadioButton("VENDEDOR", this);
  OPVENDEDOR->setObjectName("OPVENDEDOR");
  OPVENDEDOR->setChecked(true);
  place(OPVENDEDOR, 120, 720);
  OPREPRESENTANTE = new QRadioButton("REPRESENTANTE / GERENTE", this);
  OPREPRESENTANTE->setObjectName("OPREPRESENTANTE");
  place(OPREPRESENTANTE, 120, 960);
  OPINDICACAO = new QRadioButton("INDICAÇÃO", this);
  OPINDICACAO->setObjectName("OPINDICACAO");
  place(OPINDICACAO, 120, 1200);

  lblFieldLabel = label("lblFieldLabel", "INDICADO POR:");
  place(lblFieldLabel, 3360, 720);
  ININDICACAO = new QComboBox(this);
  ININDICACAO->setObjectName("ININDICACAO");
  ININDICACAO->setEditable(true);
  ININDICACAO->setInsertPolicy(QComboBox::NoInsert);
  ININDICACAO->setCompleter(nullptr);
  ININDICACAO->setEnabled(false);
  ININDICACAO->installEventFilter(this);
  ININDICACAO->lineEdit()->installEventFilter(this);
  place(ININDICACAO, 3360, 960, 4815);

  COMISS_INDICACAO = new QLineEdit(this);
  COMISS_INDICACAO->setObjectName("COMISS_INDICACAO");
  COMISS_INDICACAO->setToolTip("Percentual de comissão para a Indicação");
  // Every character comes through the key filter: no pasting around it.
  COMISS_INDICACAO->setContextMenuPolicy(Qt::NoContextMenu);
  COMISS_INDICACAO->setAcceptDrops(false);
  COMISS_INDICACAO->installEventFilter(this);
  place(COMISS_INDICACAO, 1800, 1200, 735, 285);
  Label1 = label("Label1", "%");
  place(Label1, 2520, 1200);

  auto button = [this](const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    // Enter presses the button that has the focus, as Enter on the fields
    // leads the operator to &OK.
    b->setAutoDefault(true);
    return b;
  };
  Command2 = button("Command2", "&OK");
  place(Command2, 8400, 960, 975, 375);
  Command3 = button("Command3", "&IMPRIMIR");
  place(Command3, 9480, 960, 975, 375);
  Command1 = button("Command1", "&LIMPAR");
  place(Command1, 10560, 960, 975, 375);

  auto grid = [this](const char* name, CommissionGridModel* model) {
    auto* v = new QTableView(this);
    v->setObjectName(name);
    v->setModel(model);
    v->verticalHeader()->hide();
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setWordWrap(false);
    v->horizontalHeader()->setHighlightSections(false);
    v->verticalHeader()->setDefaultSectionSize(twipsToPixelsY(this, 240));
    return v;
  };
  TABELA = grid("TABELA", &gridTabela);
  place(TABELA, 120, 1560, 11415, 3015);

  Label6 = label("Label6", "RELAÇÃO DE VENDAS CANCELADAS");
  setTextColour(Label6, kDarkRed);
  place(Label6, 120, 4680);
  LBLPEDIDOS = label("LBLPEDIDOS", "");
  place(LBLPEDIDOS, 5520, 4680, 2655);
  LBLCOMIS = label("LBLCOMIS", "");
  place(LBLCOMIS, 8880, 4680, 1095);
  LBLTOTAL = label("LBLTOTAL", "");
  place(LBLTOTAL, 10080, 4680, 975);

  TABELACAN = grid("TABELACAN", &gridTabelaCan);
  setTextColour(TABELACAN, kDarkRed);
  place(TABELACAN, 120, 5040, 11415, 2055);
  LBLCAN = label("LBLCAN", "");
  setTextColour(LBLCAN, kDarkRed);
  place(LBLCAN, 8760, 7080, 1095);

  // Tab order as the host's form has it.
  const QList<QWidget*> order = {COINICIAL, COFINAL,    CAINICIAL,       CAFINAL,
                                 FUCOD,     OPTODOS,    Command2,        Command3,
                                 Command1,  TABELA,     TABELACAN,       OPVENDEDOR,
                                 OPREPRESENTANTE, OPINDICACAO, ININDICACAO, COMISS_INDICACAO};
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  // Every handler that can fail reports through ui::guarded.
  connect(Command1, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command1_Click(); }); });
  connect(Command2, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command2_Click(); }); });
  connect(Command3, &QPushButton::clicked, this, [this] { ui::guarded(ui_, [this] { Command3_Click(); }); });
  connect(OPVENDEDOR, &QRadioButton::clicked, this, [this] { modeSellerOrRepresentative(); });
  connect(OPREPRESENTANTE, &QRadioButton::clicked, this, [this] { modeSellerOrRepresentative(); });
  connect(OPINDICACAO, &QRadioButton::clicked, this, [this] { modeReferral(); });

  // The window's client area, near the top-left corner of the screen.
  resize(twipsToPixelsX(this, 11640), twipsToPixelsY(this, 7455));
  move(twipsToPixelsX(this, 50), twipsToPixelsY(this, 100));
}

void FrmConsComissaoGERAL::Form_Load() {
  Command3->setEnabled(true);
  m_.FECHARS();
  m_.Rs.open(
      "select * from funcionario f inner join cargo c on(c.cacod=f.fkcargo) where "
      "f.fuinativo=0 and c.cacomissaovenda>0 order by f.funome",
      m_.Cnn);
  QStringList names;
  while (!m_.Rs.eof()) {
    names << m_.Rs["FUNOME"].trimmed();
    m_.Rs.MoveNext();
  }
  FUCOD->addItems(names);
  FUCOD->setCurrentIndex(-1);
  FUCOD->setEditText(QString());
  m_.FECHARS();
}

// ---- keyboard ------------------------------------------------------------

bool FrmConsComissaoGERAL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == COINICIAL && isEnter(key)) return dateFieldEnter(COINICIAL, COFINAL), true;
  if (watched == COFINAL && isEnter(key)) return dateFieldEnter(COFINAL, CAINICIAL), true;
  if (watched == CAINICIAL && isEnter(key)) return dateFieldEnter(CAINICIAL, CAFINAL), true;
  if (watched == CAFINAL && isEnter(key)) {
    // In referral mode the seller box is disabled and cannot take the focus:
    // the referrer box stands in for it.
    dateFieldEnter(CAFINAL, FUCOD->isEnabled() ? static_cast<QWidget*>(FUCOD) : ININDICACAO);
    return true;
  }
  if ((watched == FUCOD || watched == FUCOD->lineEdit()) && isEnter(key)) {
    OPTODOS->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == OPTODOS && isEnter(key)) {
    Command2->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == ININDICACAO || watched == ININDICACAO->lineEdit()) {
    if (isEnter(key)) {
      lookUpReferrer();
      return true;
    }
    const QString text = key->text();
    if (!text.isEmpty() && text.at(0).isPrint() && text != text.toUpper()) {
      ININDICACAO->lineEdit()->insert(text.toUpper());
      return true;
    }
    return false;
  }
  if (watched == COMISS_INDICACAO) return percentKey(key);
  return QWidget::eventFilter(watched, event);
}

void FrmConsComissaoGERAL::dateFieldEnter(QLineEdit* field, QWidget* next) {
  if (field->displayText() == comissao::kEmptyDate)
    field->setText(QDate::currentDate().toString("dd/MM/yyyy"));
  next->setFocus(Qt::TabFocusReason);
}

// The percentage takes digits, Backspace and one decimal comma ("." is
// entered as ","); any other character is refused with a message and erases
// the character left of the caret, as the host's field does.
bool FrmConsComissaoGERAL::percentKey(QKeyEvent* key) {
  // Keys that type no character never reach the host's filter.
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
    return false;
  if (isEnter(key)) {
    Command2->setFocus(Qt::TabFocusReason);
    return true;
  }
  const bool paste = key->matches(QKeySequence::Paste);
  QString text = key->text();
  if (text.isEmpty() && !paste) return false;  // arrows, Delete, Home: no character
  if (!paste) {
    if (text == "." || text == ",") {
      COMISS_INDICACAO->insert(",");
      return true;
    }
    text = text.toUpper();
    if (key->key() == Qt::Key_Backspace || text == "\b") return false;
    if (text.size() == 1 && text.at(0) >= '0' && text.at(0) <= '9') {
      COMISS_INDICACAO->insert(text);
      return true;
    }
  }
  ui_.message("Digite somente números", kAppTitle, ui::Icon::None);
  COMISS_INDICACAO->backspace();
  return true;
}

void FrmConsComissaoGERAL::lookUpReferrer() {
  QStringList names;
  QString first;
  try {
    m_.FECHARS3();
    m_.Rs3.open("select innome from interveniente where innome like '" +
                    sqlQuote(ININDICACAO->currentText()) + "%' order by innome",
                m_.Cnn);
    if (!m_.Rs3.eof()) {
      first = m_.Rs3["INNOME"].trimmed();
      while (!m_.Rs3.eof()) {
        const Value name = m_.Rs3["INNOME"];
        if (name.isPresent()) names << name.trimmed();
        m_.Rs3.MoveNext();
      }
    }
    m_.FECHARS3();
  } catch (const std::exception&) {
    // The look-up ends quietly and leaves the combo as it was.
    m_.FECHARS3();
    return;
  }
  if (first.isNull() && names.isEmpty()) return;
  ININDICACAO->clear();
  ININDICACAO->addItems(names);
  ININDICACAO->setEditText(first);
}

// ---- modes ---------------------------------------------------------------

void FrmConsComissaoGERAL::modeSellerOrRepresentative() {
  FUCOD->setEnabled(true);
  ININDICACAO->setEditText(QString());
  ININDICACAO->setEnabled(false);
}

void FrmConsComissaoGERAL::modeReferral() {
  FUCOD->setEditText(QString());
  FUCOD->setEnabled(false);
  ININDICACAO->setEnabled(true);
}

// ---- validations ---------------------------------------------------------

void FrmConsComissaoGERAL::VALIDADATA() {
  DTINICIAL = "VAZIO";
  DTFINAL = "VAZIO";
  const QString ini = COINICIAL->displayText();
  const QString fim = COFINAL->displayText();
  if (ini == comissao::kEmptyDate) DTINICIAL = "19011231";
  if (fim == comissao::kEmptyDate) DTFINAL = "30001231";
  for (auto [key, text] : {std::pair{&DTINICIAL, ini}, std::pair{&DTFINAL, fim}}) {
    if (*key != "VAZIO") continue;
    const auto date = comissao::parseFieldDate(text);
    if (!date) {
      ui_.message("Entre com uma data válida.", "Erro!", ui::Icon::Exclamation);
      ERRO = "SIM";
      return;
    }
    *key = comissao::dateKey(*date);
  }
}

void FrmConsComissaoGERAL::VALIDADATACANCELAMENTO() {
  SEMESTORNO = "NAO";
  const QString ini = CAINICIAL->displayText();
  const QString fim = CAFINAL->displayText();
  if (ini == comissao::kEmptyDate || fim == comissao::kEmptyDate) SEMESTORNO = "SIM";
  if (!comissao::parseFieldDate(ini) || !comissao::parseFieldDate(fim)) SEMESTORNO = "SIM";
}

void FrmConsComissaoGERAL::VALIDAVENDEDOR() {
  if (OPTODOS->isChecked()) {
    CODFUNC = comissao::kTodos;
    return;
  }
  std::optional<qint64> found;
  try {
    m_.FECHARS();
    m_.Rs.open("select FUCOD from FUNCIONARIO where FUNOME = '" + sqlQuote(FUCOD->currentText()) +
                   "'",
               m_.Cnn);
    if (!m_.Rs.eof()) found = qint64(m_.Rs["FUCOD"].toDouble());
  } catch (const std::exception&) {
    // A look-up that cannot run finds no seller.
  }
  if (!found) {
    ui_.message("Escolha um vendedor válido.", kAppTitle, ui::Icon::None);
    ERRO = "SIM";
    return;
  }
  CODFUNC = *found;
  m_.FECHARS();
}

void FrmConsComissaoGERAL::VALIDAINDICACAO() {
  if (COMISS_INDICACAO->text().isEmpty() || OPTODOS->isChecked()) {
    CODINDICACAO = int32_t(comissao::kTodos);
    return;
  }
  std::optional<int32_t> found;
  try {
    m_.FECHARS();
    m_.Rs.open("select incod from interveniente where innome = '" +
                   sqlQuote(ININDICACAO->currentText()) + "'",
               m_.Cnn);
    if (!m_.Rs.eof()) found = int32_t(m_.Rs["INCOD"].toDouble());
  } catch (const std::exception&) {
    // A look-up that cannot run finds no referrer.
  }
  if (!found) {
    ui_.message("Escolha uma indicação válida.", kAppTitle, ui::Icon::None);
    ERRO = "SIM";
    return;
  }
  CODINDICACAO = *found;
  m_.FECHARS();
}

// ---- buttons -------------------------------------------------------------

void FrmConsComissaoGERAL::Command2_Click() {
  LBLTOTAL->setText(QString());
  LBLPEDIDOS->setText(QString());
  ERRO = "NAO";
  CODFUNC = comissao::kTodos;
  VALIDADATA();
  VALIDADATACANCELAMENTO();
  if (!OPINDICACAO->isChecked())
    VALIDAVENDEDOR();
  else
    VALIDAINDICACAO();
  if (ERRO == "SIM") return;

  // The busy pointer over the window while the queries run; restored
  // however they end.
  struct Busy {
    QWidget* w;
    explicit Busy(QWidget* w) : w(w) {
      w->setCursor(Qt::BusyCursor);
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~Busy() { w->unsetCursor(); }
  } busy(this);

  if (OPVENDEDOR->isChecked()) {
    ATUALIZACOMISSAO_VENDEDOR();
    if (SEMESTORNO == "NAO") ATUALIZACOMISSAOCANCELADA_VENDEDOR();
  } else if (OPREPRESENTANTE->isChecked()) {
    ATUALIZACOMISSAO_REPRESENTANTE();
    if (SEMESTORNO == "NAO") ATUALIZACOMISSAOCANCELADA_REPRESENTANTE();
  } else if (OPINDICACAO->isChecked()) {
    ATUALIZACOMISSAO_INDICACAO();
    if (SEMESTORNO == "NAO") ATUALIZACOMISSAOCANCELADA_INDICACAO();
  }
}

void FrmConsComissaoGERAL::Command1_Click() {
  LBLPEDIDOS->setText(QString());
  LBLTOTAL->setText(QString());
  LBLCOMIS->setText(QString());
  COMISS_INDICACAO->clear();
  OPTODOS->setChecked(false);
  FUCOD->setEditText(QString());
  for (QLineEdit* f : {COINICIAL, COFINAL, CAINICIAL, CAFINAL}) f->clear();
  gridTabela.clear();
  COINICIAL->setFocus(Qt::OtherFocusReason);
  ININDICACAO->setEditText(QString());
  CODFUNC.reset();
  CODINDICACAO = 0;
}

void FrmConsComissaoGERAL::closeEvent(QCloseEvent* event) {
  event->accept();
  if (endsProgramOnClose_) QCoreApplication::exit(0);
}
