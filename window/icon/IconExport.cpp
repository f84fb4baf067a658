// Writes the program's icon, drawn in zorbika.xpm, as the PNG of the Linux
// desktop and the ICO of the Windows executable. It needs nothing but the
// standard library, so that a cross build can make it for the build machine.
// The ICO keeps the drawing's palette: one 8-bit image with its transparency
// mask.
// Usage: zorbika_icons PNG-FILE ICO-FILE

#include "XpmImage.h"
#include "zorbika.xpm"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Bytes = std::string;

void put16(Bytes& out, std::uint32_t value)
{
    out += static_cast<char>(value & 0xFFU);
    out += static_cast<char>((value >> 8U) & 0xFFU);
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16U);
}

void put32BigEndian(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> static_cast<unsigned>(shift)) & 0xFFU);
    }
}

std::uint32_t crc32(const Bytes& bytes, std::size_t from)
{
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

void putChunk(Bytes& out, const char* type, const Bytes& data)
{
    put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out += type;
    out += data;
    put32BigEndian(out, crc32(out, start));
}

// Deflate's stored blocks: a 32 x 32 icon needs no compression.
Bytes zlibStored(const Bytes& raw)
{
    constexpr std::size_t kBlock = 65535;
    Bytes out { '\x78', '\x01' };
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kBlock, raw.size() - at);
        out += static_cast<char>(at + length == raw.size() ? 1 : 0);
        put16(out, static_cast<std::uint32_t>(length));
        put16(out, static_cast<std::uint32_t>(~length & 0xFFFFU));
        out.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char c : raw) {
        a = (a + static_cast<unsigned char>(c)) % 65521U;
        b = (b + a) % 65521U;
    }
    put32BigEndian(out, (b << 16U) | a);
    return out;
}

Bytes pngOf(const XpmImage& image)
{
    Bytes out = "\x89PNG\r\n\x1A\n";
    Bytes header;
    put32BigEndian(header, static_cast<std::uint32_t>(image.width));
    put32BigEndian(header, static_cast<std::uint32_t>(image.height));
    header += "\x08\x06"; // 8 bits a channel, RGBA
    header += std::string(3, '\0');
    putChunk(out, "IHDR", header);
    Bytes raw;
    for (int y = 0; y < image.height; ++y) {
        raw += '\0'; // no filter
        for (int x = 0; x < image.width; ++x) {
            const XpmColour& colour = image.colourAt(x, y);
            raw += static_cast<char>(colour.red);
            raw += static_cast<char>(colour.green);
            raw += static_cast<char>(colour.blue);
            raw += static_cast<char>(colour.transparent ? 0 : 255);
        }
    }
    putChunk(out, "IDAT", zlibStored(raw));
    putChunk(out, "IEND", {});
    return out;
}

Bytes icoOf(const XpmImage& image)
{
    const int size = image.width;
    const int maskStride = ((size + 31) / 32) * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(size * size + maskStride * size);
    constexpr std::uint32_t kHeaderBytes = 40 + 256 * 4;

    Bytes out;
    // The icon directory with its one entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out += static_cast<char>(size);
    out += static_cast<char>(size);
    out += '\0'; // 256 colours
    out += '\0';
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
    for (std::size_t i = 0; i < 256; ++i) {
        const XpmColour colour = i < image.palette.size() && !image.palette[i].transparent
            ? image.palette[i]
            : XpmColour {};
        out += static_cast<char>(colour.blue);
        out += static_cast<char>(colour.green);
        out += static_cast<char>(colour.red);
        out += '\0';
    }
    // Rows run bottom-up; a set mask bit lets the desktop show through.
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            out += static_cast<char>(image.indexAt(x, y));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < size; ++x) {
            if (image.colourAt(x, y).transparent) {
                auto& byte = row[static_cast<std::size_t>(x / 8)];
                byte = static_cast<char>(static_cast<unsigned char>(byte) | (0x80U >> (x % 8)));
            }
        }
        out += row;
    }
    return out;
}

bool write(const char* path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "zorbika_icons: cannot write %s\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorbika_icons PNG-FILE ICO-FILE\n");
        return 2;
    }
    const auto image = XpmImage::parse(zorbika_xpm);
    if (!image || image->width != image->height || image->palette.size() > 256) {
        std::fprintf(stderr, "zorbika_icons: the drawing is not a square XPM of 256 colours\n");
        return 1;
    }
    return write(argv[1], pngOf(*image)) && write(argv[2], icoOf(*image)) ? 0 : 1;
}
