#pragma once

#include "SimpleFlatColorMaterial.h"

// The translucent flat colour: always blends, and is a type of its own so its nodes batch apart.
class StencilMaterial : public SimpleFlatColorMaterial
{
public:
    explicit StencilMaterial(const QColor &color = Qt::white);

    QSGMaterialType *type() const override;

protected:
    bool blends(const QColor &color) const override;
};
