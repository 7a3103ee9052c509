#pragma once
#include <QIcon>

// The program's icon (an SVG in the resources), for every window that has
// no icon of its own.
QIcon applicationIcon();
