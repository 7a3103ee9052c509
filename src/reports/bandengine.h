#pragma once
#include <QDateTime>
#include <QImage>
#include <QString>

#include "reports/dataenvironment.h"
#include "reports/layout.h"
#include "drawing/displaylist.h"

// The band engine: lays a layout out over a command's record set, section by
// section and page by page, into a display list. It knows nothing of where
// the pages go (preview, printer or PDF).
namespace reports {

// Margins in twips (left, right, top, bottom) on A4 in an orientation. A
// margin the dispatcher does not set keeps the layout's stored 1440.
struct PageSetup {
  int left = 1440;
  int right = 1440;
  int top = 1440;
  int bottom = 1440;
  draw::Orientation orientation = draw::Orientation::Portrait;
};

// A layout as one run prepares it: page setup, run-time captions and pictures.
struct BandReport {
  Layout layout;
  PageSetup page;

  // The caption of a label, set at run time; RuntimeError when the section
  // or the control does not exist.
  void setCaption(const QString& section, const QString& control, const QString& text);
  // The image of a picture control.
  void setPicture(const QString& section, const QString& control, const QImage& image);
};

// Lays the report out; now gives "%d" and "%t". Throws RuntimeError for a
// field whose column the record set does not return.
draw::Document layoutBandReport(const BandReport& report, const ShapedSet& data,
                                const QDateTime& now);

// The text of a caption with "%d" and "%t" replaced by the date and the
// time (hours and minutes) of now, in their short forms.
QString captionText(const QString& caption, const QDateTime& now);

}  // namespace reports
