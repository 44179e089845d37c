#include "UiSizes.h"

#include <QtMath>

#include <cmath>

namespace {

constexpr qreal normalTextUnits = 18.0;

int near(qreal value)
{
    return int(std::round(value)); // halves away from zero
}

} // namespace

UiSizes::UiSizes(Density density, QObject *parent)
    : QObject(parent)
    , m_density(density)
{
    const qreal s = scaleOf(density);
    m_textSmall = near(14 * s);
    m_textNormal = near(18 * s);
    m_textMedium = near(24 * s);
    m_textLarge = near(30 * s);
    m_pressable = near(48 * s);
    m_largePressable = near(60 * s);
    m_smallPressable = near(30 * s);
    m_unit = near(72 * s);
    m_indicator = near(9 * s);
    m_snapTolerance = near(16 * s);
    m_selectTolerance = near(8 * s);
    m_spacing = near(6 * s);
    m_halfSpacing = qMax(1, near(3 * s));
    m_evenSpacing = 2 * m_halfSpacing;
    m_elevation = near(1.5 * s);
    m_padding = near(9 * s);
    m_margin = near(6 * s);
    m_smallProgressHeight = near(8 * s);
}

double UiSizes::scaleOf(Density density)
{
    switch (density) {
    case LDpi:
        return 0.5;
    case MDpi:
        return 2.0 / 3.0;
    case HDpi:
        return 1.0;
    case XHDpi:
        return 4.0 / 3.0;
    case XXHDpi:
        return 2.0;
    case XXXHDpi:
        return 8.0 / 3.0;
    case Undefined:
        break;
    }
    return 1.0;
}

UiSizes::Density UiSizes::chooseDensity(int pixelSize, qreal pointSize, qreal dpi)
{
    const qreal assumedPixelSize = pointSize > 0 ? dpi * pointSize / 72.0 : qreal(pixelSize);
    return densityForPixelSize(assumedPixelSize);
}

UiSizes::Density UiSizes::densityForPixelSize(qreal pixelSize)
{
    auto distance = [pixelSize](int density) {
        return std::abs(std::log(pixelSize / (normalTextUnits * scaleOf(Density(density)))));
    };
    int density = MinDensity;
    while (density < MaxDensity && distance(density + 1) < distance(density))
        ++density;
    return Density(density);
}

int UiSizes::uiScaleFactor() const
{
    return near(scaleOf(m_density) * 100);
}
