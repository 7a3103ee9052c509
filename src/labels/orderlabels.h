#pragma once
#include <QString>
#include <vector>

#include "core/modcnn.h"
#include "labels/ppla.h"

// One item of a sale as the order-label job prints it.
struct OrderLabelItem {
  ppla::OrderLabel label;
  double quantity = 0;  // itqtd as a number; null counts as 0
};

// The items of the sale SACOD in item order, each with the job's company
// name and the price choice.
std::vector<OrderLabelItem> readOrderLabels(modCnn& m, bool withPrice);

// One label per started unit of each quantity (2.5 gives three; zero or less
// none), three to a row; each row, the last one perhaps partly filled, is a
// complete label job of one copy.
std::vector<QString> composeOrderLabelRows(const std::vector<OrderLabelItem>& items);
