#include "labelfont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace {

QFont face(const QString &family, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Digits, the check character "X" and the padding space, all one width.
bool evenlySpaced(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    for (QChar c : QStringLiteral("0123456789X"))
        if (metrics.horizontalAdvance(c) != space)
            return false;
    return true;
}

bool fits(const QFont &font, const QString &sample, int width)
{
    return QFontMetrics(font).horizontalAdvance(sample) <= width;
}

} // namespace

QFont labelFont(int pixelSize, QFont::Weight weight, const QString &sample, int width)
{
    // The Japanese faces first, then whatever fixed-pitch faces there are.
    QStringList families = {
        QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
        QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic"),
        QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    for (const QString &family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family) && !families.contains(family))
            families << family;
    QStringList even;
    for (const QString &family : families) {
        const QFont font = face(family, pixelSize, weight);
        if (!evenlySpaced(font))
            continue;
        if (fits(font, sample, width))
            return font;
        even << family;
    }
    QFont font = face(even.value(0, families.constFirst()), pixelSize, weight);
    while (font.pixelSize() > 6 && !fits(font, sample, width))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
