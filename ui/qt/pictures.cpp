#include "pictures.h"

#include "../picturepixels.h"

#include <QImage>

#include <cstring>

namespace {

QPixmap toPixmap(const PicturePixels &pixels, int scale)
{
    QImage image(pixels.width, pixels.height, QImage::Format_ARGB32_Premultiplied);
    if (!pixels.argb.empty())
        std::memcpy(image.bits(), pixels.argb.data(), pixels.argb.size() * sizeof pixels.argb.front());
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

} // namespace

QPixmap picture(std::string_view name, int scale)
{
    return toPixmap(drawnPicture(name, scale), scale);
}

QPixmap shrunkPicture(std::string_view name, QSize size, int scale)
{
    return toPixmap(resizedPicture(name, size.width() * scale, size.height() * scale, true), scale);
}
