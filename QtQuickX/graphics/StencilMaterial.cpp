#include "StencilMaterial.h"

StencilMaterial::StencilMaterial(const QColor &color)
    : SimpleFlatColorMaterial(color)
{
    setFlag(Blending, true);
}

QSGMaterialType *StencilMaterial::type() const
{
    static QSGMaterialType type;
    return &type;
}

bool StencilMaterial::blends(const QColor &) const
{
    return true;
}
