#pragma once
#include <QWidget>
#include <functional>

#include "commission/comissaomodel.h"
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

  // The inquiry itself: filters, checks, queries, rows and totals.
  comissao::ComissaoConsulta& consulta() { return consulta_; }
  const comissao::ComissaoConsulta& consulta() const { return consulta_; }

  // Buttons.
  void Command1_Click();  // &LIMPAR
  void Command2_Click();  // &OK
  void Command3_Click();  // &IMPRIMIR
  // The referrer look-up run by Enter in ININDICACAO.
  void lookUpReferrer();

  // Where &IMPRIMIR sends each finished document when no PDF was asked
  // for (the system printer chosen in the dialog, by default).
  using PrintSink = std::function<void(const draw::Document&, QPrinter&)>;
  void setPrintSink(PrintSink sink) { printSink_ = std::move(sink); }

  // The controls, by their names on the form.
  struct Controls {
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
  };
  const Controls& controls() const { return c_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildPeriods();
  void buildPersonFilters();
  void buildButtonsAndGrids();
  void connectControls();
  comissao::Filtros filtros() const;
  void showTotals();
  void dateFieldEnter(QLineEdit* field, QWidget* next);
  bool percentKey(QKeyEvent* key);
  void modeSellerOrRepresentative();
  void modeReferral();
  // Draws one statement on the print request under way.
  void statement(comissao::Statement which);

  modCnn& m_;
  ui::Ui& ui_;
  comissao::ComissaoConsulta consulta_;
  Controls c_{};
  bool endsProgramOnClose_ = false;
  Printer* printer_ = nullptr;
  PrintSink printSink_;
};
