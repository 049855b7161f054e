#include "pictures.h"

#include <QString>

#include "../../res/copy.xpm"
#include "../../res/down.xpm"
#include "../../res/end.xpm"
#include "../../res/help.xpm"
#include "../../res/log.xpm"
#include "../../res/paste.xpm"
#include "../../res/pirumo.xpm"
#include "../../res/save.xpm"
#include "../../res/up.xpm"

QPixmap picture(const QString &name)
{
    static const struct { const char *name; const char *const *xpm; } pictures[] = {
        {"pirumo", pirumo_xpm}, {"up", up_xpm}, {"down", down_xpm}, {"log", log_xpm},
        {"save", save_xpm}, {"copy", copy_xpm}, {"paste", paste_xpm}, {"help", help_xpm},
        {"end", end_xpm}};
    for (const auto &p : pictures)
        if (name == QLatin1String(p.name))
            return QPixmap(p.xpm);
    return QPixmap();
}
