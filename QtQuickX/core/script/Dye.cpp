#include "Dye.h"

QColor Dye::blackOrWhiteContrast(const QColor &color) const
{
    double grey = 1.0 - brightness(color);
    // Keep away from the middle greys, which contrast with nothing.
    if (grey > 0.176 && grey < 0.824)
        grey = grey < 0.5 ? 0.176 : 0.824;
    return gray(grey);
}

QColor Dye::gray(double brightness) const
{
    return QColor::fromRgbF(brightness, brightness, brightness);
}

QColor Dye::negativeColor(const QColor &color) const
{
    return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue(), color.alpha());
}

QColor Dye::mixColors(const QColor &a_, const QColor &b_, double value) const
{
    // Extrapolating beyond the two colours must still give a valid colour.
    const auto mix = [value](double a, double b) {
        return qBound(0.0, a + (b - a) * value, 1.0);
    };
    return QColor::fromRgbF(mix(a_.redF(), b_.redF()), mix(a_.greenF(), b_.greenF()),
        mix(a_.blueF(), b_.blueF()), mix(a_.alphaF(), b_.alphaF()));
}

QVector3D Dye::toHsv(const QColor &color) const
{
    return QVector3D(
        float(qMax(color.hsvHueF(), 0.0)), float(color.hsvSaturationF()), float(color.valueF()));
}

QColor Dye::fromHsv(const QVector3D &v) const
{
    return QColor::fromHsvF(double(v.x()), double(v.y()), double(v.z()));
}

QColor Dye::setColorAlpha(const QColor &color, double value) const
{
    QColor result = color;
    result.setAlphaF(value);
    return result;
}

double Dye::brightness(const QColor &color)
{
    return 0.299 * color.redF() + 0.587 * color.greenF() + 0.114 * color.blueF();
}

QColor Dye::gridColorFor(const QColor &color)
{
    const double lightness = color.lightnessF();
    const double newLightness
        = brightness(color) > 0.55 ? (lightness - 0.5) * 0.2 * 2 + 0.1 : lightness * 0.2 * 2 + 0.7;
    return QColor::fromHslF(qMax(color.hslHueF(), 0.0), color.hslSaturationF() * 0.666,
        qBound(0.0, newLightness, 1.0), 1.0);
}

QColor Dye::hoverColorFor(const QColor &color)
{
    return color.lightnessF() >= 0.75 ? color.darker(115) : color.lighter(115);
}
