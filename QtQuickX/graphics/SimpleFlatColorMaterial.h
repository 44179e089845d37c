#pragma once

#include <QColor>
#include <QSGMaterial>

// One colour; blends only when the colour is translucent.
class SimpleFlatColorMaterial : public QSGMaterial
{
public:
    explicit SimpleFlatColorMaterial(const QColor &color = Qt::white);

    QSGMaterialType *type() const override;
    QSGMaterialShader *createShader() const override;
    int compare(const QSGMaterial *other) const override;

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

protected:
    virtual bool blends(const QColor &color) const;

private:
    QColor m_color;
};
