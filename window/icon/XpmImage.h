#pragma once

// The little of XPM that the icon's drawing uses: one character a pixel and
// colours written #RRGGBB or None.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct XpmColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool transparent = false;
};

struct XpmImage {
    int width = 0;
    int height = 0;
    std::vector<XpmColour> palette;
    // A palette index for every pixel, row by row.
    std::vector<unsigned char> pixels;

    [[nodiscard]] int indexAt(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
            + static_cast<std::size_t>(x)];
    }
    [[nodiscard]] const XpmColour& colourAt(int x, int y) const
    {
        return palette[static_cast<std::size_t>(indexAt(x, y))];
    }

    static std::optional<XpmImage> parse(const char* const* xpm)
    {
        XpmImage image;
        int colours = 0;
        int charsPerPixel = 0;
        if (std::sscanf(
                xpm[0], "%d %d %d %d", &image.width, &image.height, &colours, &charsPerPixel)
                != 4
            || charsPerPixel != 1 || colours < 1 || colours > 256) {
            return std::nullopt;
        }
        std::string keys;
        for (int i = 0; i < colours; ++i) {
            const std::string_view line = xpm[1 + i];
            const auto value = line.find(" c ");
            if (line.empty() || value == std::string_view::npos) {
                return std::nullopt;
            }
            keys += line[0];
            const std::string_view written = line.substr(value + 3);
            XpmColour colour;
            unsigned red = 0;
            unsigned green = 0;
            unsigned blue = 0;
            if (written.starts_with("None")) {
                colour.transparent = true;
            } else if (std::sscanf(written.data(), "#%2x%2x%2x", &red, &green, &blue) == 3) {
                colour = { static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue),
                    false };
            } else {
                return std::nullopt;
            }
            image.palette.push_back(colour);
        }
        for (int y = 0; y < image.height; ++y) {
            const std::string_view row = xpm[1 + colours + y];
            if (row.size() != static_cast<std::size_t>(image.width)) {
                return std::nullopt;
            }
            for (const char c : row) {
                const auto index = keys.find(c);
                if (index == std::string::npos) {
                    return std::nullopt;
                }
                image.pixels.push_back(static_cast<unsigned char>(index));
            }
        }
        return image;
    }
};
