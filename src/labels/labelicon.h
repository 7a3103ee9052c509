#pragma once
#include <QIcon>
#include <QImage>

// The label window's own 32 x 32 icon: a tag with a bar code, drawn here
// so the program carries no image files.
QImage labelIconImage();
QIcon labelIcon();
