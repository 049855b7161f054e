#include "pictures.h"

#include "../../res/pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0xRRGGBB, row by row from the top

    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// Our XPM files use one character a pixel and "#RRGGBB" colours, or None
// for the toolbar pictures' transparent background: silver, which the
// toolbar's image list masks.
Image decode(const char *const *xpm)
{
    Image image;
    int colours = 0;
    std::sscanf(xpm[0], "%d %d %d", &image.width, &image.height, &colours);
    std::uint32_t palette[256] = {};
    for (int i = 1; i <= colours; ++i) {
        const char *hash = std::strchr(xpm[i], '#');
        palette[static_cast<unsigned char>(xpm[i][0])] =
            hash ? static_cast<std::uint32_t>(std::strtoul(hash + 1, nullptr, 16)) : 0xC0C0C0;
    }
    image.rgb.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.rgb.push_back(palette[static_cast<unsigned char>(xpm[1 + colours + y][x])]);
    return image;
}

// The colour for one target pixel: the nearest source pixel, or the mean of
// the source pixels under it.
std::uint32_t sample(const Image &image, int x, int y, int width, int height, bool smooth)
{
    const int x0 = x * image.width / width;
    const int y0 = y * image.height / height;
    if (!smooth)
        return image.at((2 * x + 1) * image.width / (2 * width), (2 * y + 1) * image.height / (2 * height));
    const int x1 = std::max(x0 + 1, (x + 1) * image.width / width);
    const int y1 = std::max(y0 + 1, (y + 1) * image.height / height);
    unsigned r = 0, g = 0, b = 0, n = 0;
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx, ++n) {
            const std::uint32_t c = image.at(sx, sy);
            r += c >> 16 & 0xff;
            g += c >> 8 & 0xff;
            b += c & 0xff;
        }
    return (r / n) << 16 | (g / n) << 8 | (b / n);
}

} // namespace

HBITMAP pictureBitmap(const char *name, int width, int height, bool smooth)
{
    const pirumo::pictures::Picture *found = nullptr;
    for (const auto &p : pirumo::pictures::kAll)
        if (std::strcmp(name, p.name) == 0)
            found = &p;
    if (!found || width <= 0 || height <= 0)
        return nullptr;
    // Larger than drawn: start from the drawing at twice the size.
    Image image = decode(found->xpm);
    if (width > image.width)
        image = decode(found->xpm2x);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        auto *row = static_cast<unsigned char *>(bits) + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = sample(image, x, y, width, height, smooth);
            row[3 * x] = c & 0xff;
            row[3 * x + 1] = c >> 8 & 0xff;
            row[3 * x + 2] = c >> 16 & 0xff;
        }
    }
    return bitmap;
}
