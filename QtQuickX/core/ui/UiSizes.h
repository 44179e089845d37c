#pragma once

#include <QObject>

// Density-dependent sizes (text, touch targets, spacing), fixed once per process.
class UiSizes : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int uiDensity READ uiDensity CONSTANT)
    Q_PROPERTY(int nativeUiDensity READ nativeUiDensity CONSTANT)
    Q_PROPERTY(int uiScaleFactor READ uiScaleFactor CONSTANT)
    Q_PROPERTY(int textSmall MEMBER m_textSmall CONSTANT)
    Q_PROPERTY(int textNormal MEMBER m_textNormal CONSTANT)
    Q_PROPERTY(int textMedium MEMBER m_textMedium CONSTANT)
    Q_PROPERTY(int textLarge MEMBER m_textLarge CONSTANT)
    Q_PROPERTY(int pressable MEMBER m_pressable CONSTANT)
    Q_PROPERTY(int largePressable MEMBER m_largePressable CONSTANT)
    Q_PROPERTY(int smallPressable MEMBER m_smallPressable CONSTANT)
    Q_PROPERTY(int unit MEMBER m_unit CONSTANT)
    Q_PROPERTY(int indicator MEMBER m_indicator CONSTANT)
    Q_PROPERTY(int snapTolerance MEMBER m_snapTolerance CONSTANT)
    Q_PROPERTY(int selectTolerance MEMBER m_selectTolerance CONSTANT)
    Q_PROPERTY(int spacing MEMBER m_spacing CONSTANT)
    Q_PROPERTY(int halfSpacing MEMBER m_halfSpacing CONSTANT)
    Q_PROPERTY(int evenSpacing MEMBER m_evenSpacing CONSTANT)
    Q_PROPERTY(int line MEMBER m_line CONSTANT)
    Q_PROPERTY(int elevation MEMBER m_elevation CONSTANT)
    Q_PROPERTY(int padding MEMBER m_padding CONSTANT)
    Q_PROPERTY(int margin MEMBER m_margin CONSTANT)
    Q_PROPERTY(int smallProgressHeight MEMBER m_smallProgressHeight CONSTANT)
public:
    enum Density {
        Undefined = 0,
        LDpi = 1,
        MDpi = 2,
        HDpi = 3,
        XHDpi = 4,
        XXHDpi = 5,
        XXXHDpi = 6,
        MinDensity = LDpi,
        MaxDensity = XXXHDpi,
    };
    Q_ENUM(Density)

    explicit UiSizes(Density density, QObject *parent = nullptr);

    static double scaleOf(Density density);
    // The density whose normal text size (18 units times its scale) is nearest to the font's
    // pixel size on a logarithmic scale. The pixel size is taken from the point size and dpi
    // when the point size is known.
    static Density chooseDensity(int pixelSize, qreal pointSize, qreal dpi);
    static Density densityForPixelSize(qreal pixelSize);

    int uiDensity() const { return m_density; }
    int nativeUiDensity() const { return m_density; }
    // The density scale in percent.
    int uiScaleFactor() const;

private:
    Density m_density;
    int m_textSmall;
    int m_textNormal;
    int m_textMedium;
    int m_textLarge;
    int m_pressable;
    int m_largePressable;
    int m_smallPressable;
    int m_unit;
    int m_indicator;
    int m_snapTolerance;
    int m_selectTolerance;
    int m_spacing;
    int m_halfSpacing;
    int m_evenSpacing;
    int m_line = 1;
    int m_elevation;
    int m_padding;
    int m_margin;
    int m_smallProgressHeight;
};
