#include "ui/appicon.h"

QIcon applicationIcon() { return QIcon(QStringLiteral(":/icons/tl_relatorios.svg")); }
