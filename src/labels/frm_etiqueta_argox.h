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
  // The whole order-label job for the sale SACOD: the price question, then
  // the rows of labels.
  void IMPRIME_ETIQUETA_PEDIDO();

  // The zero-price message ended the program.
  bool programEnded() const { return ended_; }

  // The controls, by the names of the legacy program's window.
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

  modCnn& m_;
  ui::Ui& ui_;
  bool ended_ = false;
};
