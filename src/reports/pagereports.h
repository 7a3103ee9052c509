#pragma once
#include <QDateTime>
#include <QString>
#include <vector>

#include "reports/bandengine.h"
#include "reports/dataenvironment.h"
#include "core/modcnn.h"
#include "drawing/displaylist.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// Prepares and shows the page report of a report code (margins, images,
// captions, data command, preview), or writes it to the PDF of --pdf.
Outcome showPageReport(modCnn& m, ui::Ui& ui, const QString& code);

namespace reports {

// The job value a code passes to its data command.
enum class JobCode { SACOD, OSCOD, ENCOD, PRCOD, PCOD, TBCOD };

// What a code adds to the common preparation.
enum class ExtraStep {
  None,
  CompanyAndCustomer,  // company and service-order customer in the page footer
  LoadingMessages,     // "Carrega" messages around fetching the data
  PriceTableName,      // the price table's name (NOME_TABELA) in the page header
};

// What a code does before its report is shown (margins -1: the layout's 1440).
struct Preparation {
  QString code;
  QString report;   // layout name
  QString command;  // data command
  JobCode argument;
  int margins[4];   // left, right, top, bottom
  int orientation;  // 0 not set, 1 portrait, 2 landscape
  bool headerImage;
  bool footerImage;
  ExtraStep extra;
};

const std::vector<Preparation>& preparations();
const Preparation* preparation(const QString& code);

// A report laid out and ready to show.
struct PreparedReport {
  QString name;
  draw::Document document;
};

// The preparation of the code (margins and orientation, pictures, its extra
// step, the data), then the layout of each report: one, or two
// for a counter sale with an exchange (the exchange document second).
// Throws RuntimeError (a missing image names its file) before any output.
std::vector<PreparedReport> preparePageReports(modCnn& m, ui::Ui& ui, const QString& code,
                                               DataEnvironment& de, const QDateTime& now);

// Where the exchange document of a counter sale goes: "-troca" before the extension.
QString exchangePdfPath(const QString& pdfPath);

}  // namespace reports
