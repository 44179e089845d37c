#include "FlatColorShader.h"

#include "SimpleFlatColorMaterial.h"

#include <QOpenGLShaderProgram>
#include <QVector4D>

FlatColorShader::FlatColorShader()
{
    setShaderSourceFile(QOpenGLShader::Vertex, QStringLiteral(":/QtQuickX/Shaders/flatcolor.vert"));
    setShaderSourceFile(
        QOpenGLShader::Fragment, QStringLiteral(":/QtQuickX/Shaders/flatcolor.frag"));
}

const char *const *FlatColorShader::attributeNames() const
{
    static const char *const names[] = { "vCoord", nullptr };
    return names;
}

void FlatColorShader::initialize()
{
    m_matrixLocation = program()->uniformLocation("matrix");
    m_colorLocation = program()->uniformLocation("color");
}

void FlatColorShader::updateState(
    const RenderState &state, QSGMaterial *newMaterial, QSGMaterial *oldMaterial)
{
    const auto *current = static_cast<const SimpleFlatColorMaterial *>(newMaterial);
    const auto *previous = static_cast<const SimpleFlatColorMaterial *>(oldMaterial);
    if (!previous || previous->color() != current->color() || state.isOpacityDirty()) {
        const QColor color = current->color();
        const float alpha = float(color.alphaF() * state.opacity());
        program()->setUniformValue(m_colorLocation,
            QVector4D(float(color.redF()) * alpha, float(color.greenF()) * alpha,
                float(color.blueF()) * alpha, alpha));
    }
    if (state.isMatrixDirty())
        program()->setUniformValue(m_matrixLocation, state.combinedMatrix());
}
