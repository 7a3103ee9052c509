#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"
#include "dispatch/reportcodes.h"

// The twenty report codes with their documents, in the order they are tested
// (runReportCode: RELATORIO compared exactly and with regard to case).
const std::vector<ReportCode>& dispatchTable();

