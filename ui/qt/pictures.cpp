#include "pictures.h"

#include "../../res/pictures.h"

#include <QString>

QPixmap picture(const QString &name)
{
    for (const auto &p : pirumo::pictures::kAll)
        if (name == QLatin1String(p.name))
            return QPixmap(p.xpm);
    return QPixmap();
}
