#pragma once

#include <QSGMaterialShader>

// Fills with one premultiplied colour; serves both flat-colour material types.
class FlatColorShader : public QSGMaterialShader
{
public:
    FlatColorShader();

    const char *const *attributeNames() const override;
    void initialize() override;
    void updateState(
        const RenderState &state, QSGMaterial *newMaterial, QSGMaterial *oldMaterial) override;

private:
    int m_matrixLocation = -1;
    int m_colorLocation = -1;
};
