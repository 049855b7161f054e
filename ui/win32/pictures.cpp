#include "pictures.h"

#include "../picturepixels.h"

#include <cstddef>
#include <cstdint>

HBITMAP pictureBitmap(std::string_view name, int width, int height, bool smooth)
{
    const PicturePixels image = resizedPicture(name, width, height, smooth);
    if (image.argb.empty())
        return nullptr;

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
            // The transparent background becomes silver, the image list's mask colour.
            std::uint32_t c = image.argb[static_cast<std::size_t>(y) * width + x];
            if (c >> 24 == 0)
                c = 0xC0C0C0;
            row[3 * x] = c & 0xff;
            row[3 * x + 1] = c >> 8 & 0xff;
            row[3 * x + 2] = c >> 16 & 0xff;
        }
    }
    return bitmap;
}
