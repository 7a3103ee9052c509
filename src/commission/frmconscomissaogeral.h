#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "commission/comissaogrid.h"
#include "commission/comissaoprint.h"
#include "core/modcnn.h"
#include "ui/ui.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTableView;

// The commission inquiry window: filters, the sales grid TABELA and the
// cancelled-sales grid TABELACAN, and the commission statements.
class FrmConsComissaoGERAL : public QWidget {
  Q_OBJECT
 public:
  FrmConsComissaoGERAL(modCnn& m, ui::Ui& ui, QWidget* parent = nullptr);
  ~FrmConsComissaoGERAL() override;

  // Fills the seller list; a failing query is a run-time error (the window
  // is not shown then).
  void Form_Load();
  // When set, closing the window ends the program.
  void setEndsProgramOnClose(bool on) { endsProgramOnClose_ = on; }

  // Window state.
  QString ERRO = QStringLiteral("NAO");
  QString SEMESTORNO = QStringLiteral("NAO");
  QString DTINICIAL, DTFINAL;
  std::optional<qint64> CODFUNC;  // nullopt once &LIMPAR has emptied it
  int32_t CODINDICACAO = 0;       // held in 32 bits: referrer codes above 32767 exist
  QString SQLCOMISSAO, SQLESTORNO;

  // Validations and buttons.
  void VALIDADATA();
  void VALIDADATACANCELAMENTO();
  void VALIDAVENDEDOR();
  void VALIDAINDICACAO();
  void Command1_Click();  // &LIMPAR
  void Command2_Click();  // &OK
  void Command3_Click();  // &IMPRIMIR

  // Refresh procedures.
  void ATUALIZACOMISSAO_VENDEDOR();
  void ATUALIZACOMISSAOCANCELADA_VENDEDOR();
  void ATUALIZACOMISSAO_REPRESENTANTE();
  void ATUALIZACOMISSAOCANCELADA_REPRESENTANTE();
  void ATUALIZACOMISSAO_INDICACAO();
  void ATUALIZACOMISSAOCANCELADA_INDICACAO();

  // Statements, on the page printer of the print request under way.
  void IMPRIME();
  void IMPRIME_ESTORNO();
  void IMPRIME_REP();
  void IMPRIME_ESTORNO_REP();
  void IMPRIME_IND();
  void IMPRIME_ESTORNO_IND();

  // Where &IMPRIMIR sends each finished document when no PDF was asked
  // for (the system printer chosen in the dialog, by default).
  using PrintSink = std::function<void(const draw::Document&, QPrinter&)>;
  void setPrintSink(PrintSink sink) { printSink_ = std::move(sink); }

  // The referrer look-up run by Enter in ININDICACAO.
  void lookUpReferrer();

  // Controls.
  QLabel *Label5, *Label3, *Label7, *Label8, *Label2, *lblFieldLabel, *Label1, *Label6;
  QLineEdit *COINICIAL, *COFINAL, *CAINICIAL, *CAFINAL;
  QComboBox* FUCOD;
  QCheckBox* OPTODOS;
  QRadioButton *OPVENDEDOR, *OPREPRESENTANTE, *OPINDICACAO;
  QComboBox* ININDICACAO;
  QLineEdit* COMISS_INDICACAO;
  QPushButton *Command2, *Command3, *Command1;
  QTableView *TABELA, *TABELACAN;
  QLabel *LBLPEDIDOS, *LBLCOMIS, *LBLTOTAL, *LBLCAN;
  CommissionGridModel gridTabela, gridTabelaCan;

  // The window's modal message boxes go here.
  ui::Ui& userInterface() { return ui_; }
  modCnn& context() { return m_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void dateFieldEnter(QLineEdit* field, QWidget* next);
  bool percentKey(QKeyEvent* key);
  void modeSellerOrRepresentative();
  void modeReferral();
  comissao::StatementInputs statementInputs(bool reversal) const;
  void statement(comissao::Statement which, bool reversal);

  modCnn& m_;
  ui::Ui& ui_;
  bool endsProgramOnClose_ = false;
  Printer* printer_ = nullptr;
  PrintSink printSink_;
};
