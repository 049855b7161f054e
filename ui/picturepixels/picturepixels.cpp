#include "picturepixels.h"

#include "drawings.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Our XPM files use one character a pixel and "#RRGGBB" colours, or None for
// a transparent background.
PicturePixels decode(const char *const *xpm)
{
    PicturePixels image;
    // "width height colours 1": strtol rather than sscanf, whose floating-point
    // half would add some 30 KB to pirumo.exe.
    char *next = nullptr;
    image.width = static_cast<int>(std::strtol(xpm[0], &next, 10));
    image.height = static_cast<int>(std::strtol(next, &next, 10));
    const int colours = static_cast<int>(std::strtol(next, nullptr, 10));
    std::uint32_t palette[256] = {};
    for (int i = 1; i <= colours; ++i) {
        const char *hash = std::strchr(xpm[i], '#');
        palette[static_cast<unsigned char>(xpm[i][0])] =
            hash ? 0xff000000u | static_cast<std::uint32_t>(std::strtoul(hash + 1, nullptr, 16)) : 0u;
    }
    image.argb.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.argb.push_back(palette[static_cast<unsigned char>(xpm[1 + colours + y][x])]);
    return image;
}

std::uint32_t at(const PicturePixels &image, int x, int y)
{
    return image.argb[static_cast<std::size_t>(y) * image.width + x];
}

// How much of source pixel i lies under output pixel o, when size source
// pixels are spread over count output pixels: in units of 1/count.
int overlap(int o, int i, int size, int count)
{
    const int from = std::max(o * size, i * count);
    const int to = std::min((o + 1) * size, (i + 1) * count);
    return std::max(0, to - from);
}

std::uint32_t sample(const PicturePixels &image, int x, int y, int width, int height, bool smooth)
{
    if (!smooth)
        return at(image, (2 * x + 1) * image.width / (2 * width), (2 * y + 1) * image.height / (2 * height));
    // The mean of the drawn pixels it covers, each by the share it covers.
    const int x0 = x * image.width / width, x1 = ((x + 1) * image.width + width - 1) / width;
    const int y0 = y * image.height / height, y1 = ((y + 1) * image.height + height - 1) / height;
    std::uint64_t sum[4] = {}, total = 0;
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
            const std::uint64_t weight = static_cast<std::uint64_t>(overlap(x, sx, image.width, width))
                * overlap(y, sy, image.height, height);
            total += weight;
            for (int shift = 0; shift < 4; ++shift)
                sum[shift] += weight * (at(image, sx, sy) >> (8 * shift) & 0xff);
        }
    std::uint32_t mean = 0;
    for (int shift = 0; shift < 4; ++shift)
        mean |= static_cast<std::uint32_t>((sum[shift] + total / 2) / total) << (8 * shift);
    return mean;
}

const pirumo::drawings::Drawing *drawing(std::string_view name)
{
    for (const auto &d : pirumo::drawings::kAll)
        if (name == d.name)
            return &d;
    return nullptr;
}

} // namespace

PicturePixels drawnPicture(std::string_view name, int scale)
{
    const auto *d = drawing(name);
    return d ? decode(scale == 2 ? d->xpm2x : d->xpm) : PicturePixels{};
}

PicturePixels resizedPicture(std::string_view name, int width, int height, bool smooth)
{
    PicturePixels drawn = drawnPicture(name);
    if (drawn.argb.empty() || width <= 0 || height <= 0)
        return {};
    if (width > drawn.width)
        drawn = drawnPicture(name, 2);
    if (width == drawn.width && height == drawn.height)
        return drawn;
    PicturePixels resized{width, height, {}};
    resized.argb.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            resized.argb.push_back(sample(drawn, x, y, width, height, smooth));
    return resized;
}

bool keepsItsBackground(std::string_view key)
{
    return key == "end";
}

PicturePixels toolbarPicture(std::string_view key, int size)
{
    // At a size it was drawn at, a picture is taken pixel for pixel; at any
    // other it is averaged from the larger drawing, so that no pixel is
    // doubled and its edges blend.
    // The width from the drawing's first line alone: no need to read it all.
    const auto *d = drawing(key);
    const int drawn = d ? std::atoi(d->xpm[0]) : 0;
    const bool drawnSize = size == drawn || size == 2 * drawn;
    return resizedPicture(key, size, size, keepsItsBackground(key) || !drawnSize);
}
