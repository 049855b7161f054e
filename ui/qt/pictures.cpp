#include "pictures.h"

#include "../../res/pictures.h"

#include <QString>

QPixmap picture(const QString &name, int scale)
{
    for (const auto &p : pirumo::pictures::kAll) {
        if (name == QLatin1String(p.name)) {
            QPixmap pixmap(scale == 2 ? p.xpm2x : p.xpm);
            pixmap.setDevicePixelRatio(scale);
            return pixmap;
        }
    }
    return QPixmap();
}
