#pragma once

#include <QColor>
#include <QObject>
#include <QVector3D>

// Colour arithmetic for QML; channel values are fractions 0..1 of the RGB form.
class Dye : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE double visualBrightness(const QColor &color) const { return brightness(color); }
    // A grey that reads well on the colour: dark on light colours, light on dark ones.
    Q_INVOKABLE QColor blackOrWhiteContrast(const QColor &color) const;
    Q_INVOKABLE QColor gray(double brightness) const;
    Q_INVOKABLE QColor negativeColor(const QColor &color) const;
    Q_INVOKABLE QColor mixColors(const QColor &a_, const QColor &b_, double value) const;
    Q_INVOKABLE QVector3D toHsv(const QColor &color) const;
    Q_INVOKABLE QColor fromHsv(const QVector3D &v) const;
    Q_INVOKABLE double colorAlpha(const QColor &color) const { return color.alphaF(); }
    Q_INVOKABLE QColor setColorAlpha(const QColor &color, double value) const;

    static double brightness(const QColor &color);
    // Grid lines over a background of this colour: the lightness pushed to the other side.
    static QColor gridColorFor(const QColor &color);
    static QColor hoverColorFor(const QColor &color);
};
