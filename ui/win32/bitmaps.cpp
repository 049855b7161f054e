#include "bitmaps.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// A top-down bitmap the size of image, its pixels at bits; nullptr for an
// empty image.
HBITMAP createBitmap(const PicturePixels &image, WORD bitCount, void *&bits)
{
    if (image.argb.empty())
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HBITMAP toBitmap(const PicturePixels &image)
{
    void *bits = nullptr;
    HBITMAP bitmap = createBitmap(image, 24, bits);
    if (!bitmap)
        return nullptr;
    const int stride = (image.width * 3 + 3) & ~3;
    for (int y = 0; y < image.height; ++y) {
        auto *row = static_cast<unsigned char *>(bits) + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t c = image.argb[static_cast<std::size_t>(y) * image.width + x];
            if (c >> 24 == 0)
                c = kMaskColour;
            row[3 * x] = c & 0xff;
            row[3 * x + 1] = c >> 8 & 0xff;
            row[3 * x + 2] = c >> 16 & 0xff;
        }
    }
    return bitmap;
}

} // namespace

HBITMAP alphaBitmap(const PicturePixels &image)
{
    void *bits = nullptr;
    HBITMAP bitmap = createBitmap(image, 32, bits);
    if (bitmap)  // premultiplied 0xAARRGGBB is the DIB's own BGRA order
        std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof image.argb.front());
    return bitmap;
}

PicturePixels greyedPicture(const PicturePixels &image)
{
    PicturePixels greyed = image;
    for (std::uint32_t &c : greyed.argb) {
        // 128 + half the brightness, premultiplied like the pixel itself.
        const std::uint32_t alpha = c >> 24;
        const std::uint32_t brightness = ((c >> 16 & 0xff) * 30 + (c >> 8 & 0xff) * 59 + (c & 0xff) * 11) / 100;
        const std::uint32_t grey = 128 * alpha / 255 + brightness / 2;
        c = alpha << 24 | grey << 16 | grey << 8 | grey;
    }
    return greyed;
}

HBITMAP pictureBitmap(std::string_view name, int width, int height)
{
    return toBitmap(resizedPicture(name, width, height, false));
}

HBITMAP toolbarBitmap(std::string_view key, int size)
{
    return toBitmap(toolbarPicture(key, size));
}

COLORREF maskColour()
{
    return RGB(kMaskColour >> 16 & 0xff, kMaskColour >> 8 & 0xff, kMaskColour & 0xff);
}
