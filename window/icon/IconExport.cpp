// Writes the program's icon, drawn in zorbika.xpm, as the PNG of the Linux
// desktop and the ICO of the Windows executable. The ICO keeps the picture's
// palette: one 8-bit, 256-colour image with its transparency mask.
// Usage: zorbika_icons PNG-FILE ICO-FILE

#include "zorbika.xpm"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <cstdint>
#include <cstdio>

namespace {

void put16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFFU));
    out.append(static_cast<char>(value >> 8U));
}

void put32(QByteArray& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFFU));
    put16(out, static_cast<std::uint16_t>(value >> 16U));
}

QByteArray icoOf(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_Indexed8);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(size * size + maskStride * size);
    constexpr std::uint32_t kHeaderBytes = 40 + 256 * 4;

    QByteArray out;
    // The icon directory with its one entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(static_cast<char>(size));
    out.append(static_cast<char>(size));
    out.append('\0'); // 256 colours
    out.append('\0');
    put16(out, 1);
    put16(out, 8);
    put32(out, kHeaderBytes + pixelBytes);
    put32(out, 22);
    // The bitmap: its header, twice the height for the colour and the mask.
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, pixelBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 256);
    put32(out, 0);
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < colours.size() && qAlpha(colours[i]) != 0 ? colours[i] : 0;
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    // Rows run bottom-up; a set mask bit lets the desktop show through.
    for (int y = size - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), size);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorbika_icons PNG-FILE ICO-FILE\n");
        return 2;
    }
    const QImage icon(zorbika_xpm);
    QImageWriter png(QString::fromLocal8Bit(argv[1]), "png");
    if (!png.write(icon)) {
        std::fprintf(stderr, "zorbika_icons: %s: %s\n", argv[1], qPrintable(png.errorString()));
        return 1;
    }
    QFile ico(QString::fromLocal8Bit(argv[2]));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoOf(icon)) < 0) {
        std::fprintf(stderr, "zorbika_icons: %s: %s\n", argv[2], qPrintable(ico.errorString()));
        return 1;
    }
    return 0;
}
