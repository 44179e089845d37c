#include "SimpleFlatColorMaterial.h"

#include "FlatColorShader.h"

SimpleFlatColorMaterial::SimpleFlatColorMaterial(const QColor &color)
{
    setColor(color);
}

QSGMaterialType *SimpleFlatColorMaterial::type() const
{
    static QSGMaterialType type;
    return &type;
}

QSGMaterialShader *SimpleFlatColorMaterial::createShader() const
{
    return new FlatColorShader;
}

int SimpleFlatColorMaterial::compare(const QSGMaterial *other) const
{
    const QRgb mine = m_color.rgba();
    const QRgb theirs = static_cast<const SimpleFlatColorMaterial *>(other)->m_color.rgba();
    return mine == theirs ? 0 : (mine < theirs ? -1 : 1);
}

void SimpleFlatColorMaterial::setColor(const QColor &color)
{
    m_color = color;
    setFlag(Blending, blends(color));
}

bool SimpleFlatColorMaterial::blends(const QColor &color) const
{
    return color.alpha() != 255;
}
