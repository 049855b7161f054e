#include "labelfont.h"

#include "layout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <optional>

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
    QStringList even;  // evenly spaced faces that did not fit, in the order tried
    const auto firstThatFits = [&](const QStringList &families) -> std::optional<QFont> {
        for (const QString &family : families) {
            const QFont font = face(family, pixelSize, weight);
            if (!evenlySpaced(font))
                continue;
            if (fits(font, sample, width))
                return font;
            even << family;
        }
        return std::nullopt;
    };

    // The Japanese faces first; whatever other fixed-pitch faces there are
    // only when none of those fits.
    QStringList preferred;
    for (std::string_view family : pirumo::kLabelFaces)
        preferred << QString::fromUtf8(family.data(), static_cast<int>(family.size()));
    preferred << QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (const auto font = firstThatFits(preferred))
        return *font;
    QStringList others;
    for (const QString &family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family) && !preferred.contains(family))
            others << family;
    if (const auto font = firstThatFits(others))
        return *font;

    QFont font = face(even.value(0, preferred.constFirst()), pixelSize, weight);
    while (font.pixelSize() > pirumo::kSmallestLabelFont && !fits(font, sample, width))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
