#pragma once
#include <QFont>
#include <QSizeF>
#include <QString>
#include <span>
#include <vector>

#include "drawing/displaylist.h"

class QPainter;
class QPrinter;

// The one renderer of display lists. It knows nothing of where pages go:
// the preview paints page by page onto its widget, the printer and the PDF
// file go through the same paintPage.
namespace draw {

// Paints one page. The painter's current transformation places the page's
// top-left corner; twipsToDeviceX/Y scale twips to the painter's units
// (device dots per inch / 1440 for a 1:1 picture, times a zoom factor).
void paintPage(QPainter& painter, const Page& page, double twipsToDeviceX,
               double twipsToDeviceY);

// Writes the document as a PDF: A4 in the document's orientation, positions
// from the sheet's top-left corner, fonts embedded. RuntimeError when the
// file cannot be written.
void renderToPdf(const Document& doc, const QString& path);
// Several documents one after the other in one PDF (each starts a new page).
void renderToPdf(std::span<const Document> docs, const QString& path);

// Sets a printer up before its dialog: A4 in this orientation, the
// document's name.
void preparePrinter(QPrinter& printer, Orientation orientation, const QString& docName);

// The 0-based pages of a document of pageCount pages that the printer's
// range selects: every page, the from-to ranges the dialog left (1-based),
// or currentPage (0-based) for "current page".
std::vector<int> selectedPages(const QPrinter& printer, int pageCount, int currentPage);

// Sends the document to this printer as one print job, positions from the
// top-left corner of its printable area; only the pages of the printer's
// range. A sheet smaller than A4 (Letter) gets the page scaled down to fit
// its printable area, so that nothing is cut. The printer's copy count is
// left as the caller set it. RuntimeError when the job cannot be started or
// the range holds no page of the document.
void renderToPrinter(const Document& doc, QPrinter& printer, int currentPage = 0);
// The documents of one print request: each its own job on a printer, all
// in one file, one after the other, when the printer writes a file ("print
// to file"), so that none overwrites the last. The range applies to each.
void renderToPrinter(const std::vector<Document>& docs, QPrinter& printer, int currentPage = 0);

// Text metrics in twips, the same the painter uses, so that layout code
// (page printer, band engine) measures exactly what will be drawn.
QFont qtFont(const Font& font);  // a QFont whose pixel is one twip
double textWidth(const Font& font, const QString& text);
double fontAscent(const Font& font);
double lineHeight(const Font& font);  // ascent + descent: one line of Print
// The height a text takes in a box of this width (wrapped at word
// boundaries when wrap is set), as paintPage draws it.
double textHeight(const Font& font, const QString& text, int widthTwips, bool wrap);

}  // namespace draw
