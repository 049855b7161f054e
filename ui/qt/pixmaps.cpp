#include "pixmaps.h"

#include "layout.h"
#include "picturepixels.h"

#include <QImage>

#include <cstring>

namespace {

constexpr int kScales[] = {1, 2};

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

QIcon pictureIcon(std::string_view name)
{
    QIcon icon;
    for (int scale : kScales)
        icon.addPixmap(picture(name, scale));
    return icon;
}

QIcon toolbarIcon(std::string_view key)
{
    QIcon icon;
    for (int scale : kScales)
        icon.addPixmap(toPixmap(toolbarPicture(key, pirumo::kToolPicture * scale), scale));
    return icon;
}
