#pragma once
#include <QWidget>
#include <memory>

#include "labels/labelport.h"
#include "core/modcnn.h"
#include "ui/ui.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The label window: price labels for one product ("etiqueta_peco"), and,
// without being shown, the order-label job ("etiqueta_pedido").
class frm_etiqueta_argox : public QWidget {
  Q_OBJECT

 public:
  frm_etiqueta_argox(modCnn& m, ui::Ui& ui, QWidget* parent = nullptr);
  ~frm_etiqueta_argox() override;

  // Opening for "etiqueta_peco": show (when asked), fill the captions from
  // the job, put the focus in QTDE.
  void openForProduct(bool showWindow);

  // The print button: checks QTDE and the price, then prints one job.
  void BTIMPRIMIR_Click();
  // One price-label job from the job values, QTDE and COMPRECO.
  void IMPRIME_ETIQUETA_PRECO();
  // The whole order-label job for the sale SACOD.
  void IMPRIME_ETIQUETA_PEDIDO();
  // Starts a printer job (one row) with the start of a label format.
  void INICIA_IMP();
  // Ends the row's label format (one copy) and its printer job.
  void FINALIZA_IMP();

  // The zero-price message ended the program.
  bool programEnded() const { return ended_; }

  // Twips (1440 per inch) to pixels at this screen's resolution.
  int twipsToPixelsX(int twips) const;
  int twipsToPixelsY(int twips) const;

  // The controls, by the names the host's team uses.
  QLabel* Label4;
  QLabel* PRNOME;
  QLabel* Label5;
  QLabel* PRPRECO;
  QLabel* lblcod;
  QLabel* PRBARRAS;
  QLabel* Label1;
  QLineEdit* QTDE;
  QRadioButton* COMPRECO;
  QRadioButton* SEMPRECO;
  QPushButton* BTIMPRIMIR;
  QButtonGroup* grupoPreco;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void place(QWidget* w, int left, int top, int width, int height);
  void endProgram();
  void writeLine(const QString& composed);

  modCnn& m_;
  ui::Ui& ui_;
  // The rows of an order job; a row is open between INICIA_IMP and FINALIZA_IMP.
  std::unique_ptr<LabelPort> port_;
  bool ended_ = false;
};
