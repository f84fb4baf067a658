// The desktop PNG and the Windows ICO that the build makes from the XPM.

#include "icon/zorbika.xpm"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(IconFiles, DesktopPngIsTheDrawing)
{
    const QImage png(QStringLiteral(ZORBIKA_PNG_FILE));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(argb(png), argb(QImage(zorbika_xpm)));
}

TEST(IconFiles, WindowsIconIsTheDrawingInOne256ColourImage)
{
    QFile file(QStringLiteral(ZORBIKA_ICO_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 22);
    EXPECT_EQ(bytes[4], 1) << "one image";
    EXPECT_EQ(bytes[6], 32) << "32 pixels wide";
    EXPECT_EQ(bytes[7], 32) << "32 pixels high";
    EXPECT_EQ(bytes[12], 8) << "8 bits a pixel";

    QImage ico;
    ASSERT_TRUE(ico.loadFromData(bytes, "ico"));
    const QImage drawing = argb(QImage(zorbika_xpm));
    ASSERT_EQ(ico.size(), drawing.size());
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb expected = drawing.pixel(x, y);
            const QRgb actual = ico.pixel(x, y);
            EXPECT_EQ(qAlpha(actual), qAlpha(expected)) << x << "," << y;
            if (qAlpha(expected) != 0) {
                EXPECT_EQ(qRgb(qRed(actual), qGreen(actual), qBlue(actual)),
                    qRgb(qRed(expected), qGreen(expected), qBlue(expected)))
                    << x << "," << y;
            }
        }
    }
}

} // namespace
