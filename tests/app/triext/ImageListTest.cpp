#include "app/triext/ImageList.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

int OpaquePixels(const QIcon& icon, int size)
{
    QImage image = icon.pixmap(QSize(size, size)).toImage();
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                ++opaque;
        }
    }
    return opaque;
}

} // namespace

TEST(ImageList, HasSevenIconsAtTheirFixedIndices)
{
    EXPECT_EQ(ImageList::Plan, 0);
    EXPECT_EQ(ImageList::Folder, 1);
    EXPECT_EQ(ImageList::Pause, 2);
    EXPECT_EQ(ImageList::Person, 3);
    EXPECT_EQ(ImageList::Profile, 4);
    EXPECT_EQ(ImageList::Resource, 5);
    EXPECT_EQ(ImageList::Task, 6);
    EXPECT_EQ(ImageList::Count, 7);
}

TEST(ImageList, DrawsEveryIconAtSixteenPixelsAndAtDoubleDensity)
{
    for (int index = 0; index < ImageList::Count; ++index) {
        QIcon icon = ImageList::GetIcon(index);
        ASSERT_FALSE(icon.isNull()) << index;
        EXPECT_EQ(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16)) << index;
        EXPECT_GT(OpaquePixels(icon, 16), 16) << index;
        EXPECT_GT(OpaquePixels(icon, 32), 4 * 16) << index;
    }
}

TEST(ImageList, GivesANullIconOutsideTheList)
{
    EXPECT_TRUE(ImageList::GetIcon(-1).isNull());
    EXPECT_TRUE(ImageList::GetIcon(ImageList::Count).isNull());
}

TEST(ImageList, DrawsTheIconsDifferently)
{
    for (int a = 0; a < ImageList::Count; ++a) {
        for (int b = a + 1; b < ImageList::Count; ++b) {
            EXPECT_NE(ImageList::GetIcon(a).pixmap(QSize(16, 16)).toImage(),
                ImageList::GetIcon(b).pixmap(QSize(16, 16)).toImage())
                << a << " " << b;
        }
    }
}

TEST(ImageList, HasToolbarPicturesAndAnApplicationIcon)
{
    EXPECT_GT(OpaquePixels(ImageList::GetDeleteIcon(), 16), 8);
    EXPECT_GT(OpaquePixels(ImageList::GetAboutIcon(), 16), 8);
    EXPECT_GT(OpaquePixels(ImageList::GetApplicationIcon(), 64), 64);
}
