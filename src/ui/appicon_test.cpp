#include "ui/appicon.h"

#include <QImage>
#include <gtest/gtest.h>

// The SVG comes from the resources and Qt's SVG engine draws it at any size:
// the printer's dark body fills the middle row, the corners stay clear.
TEST(ApplicationIcon, DrawsTheSvgFromTheResourcesAtEverySize) {
  const QIcon icon = applicationIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 64}) {
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.width(), size);
    EXPECT_EQ(image.pixelColor(size / 2, size * 36 / 64).name(), "#304f7a") << size;
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << size;
  }
}
