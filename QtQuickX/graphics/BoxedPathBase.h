#pragma once

#include "PainterPathElement.h"

#include <QRectF>

// A shape fitted into a rectangle and rotated about its centre.
class BoxedPathBase : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(QRectF rect READ rect WRITE setRect NOTIFY rectChanged)
    // Radians, about the centre of rect.
    Q_PROPERTY(double rotation READ rotation WRITE setRotation NOTIFY rotationChanged)
public:
    explicit BoxedPathBase(QObject *parent = nullptr);

    QRectF rect() const { return m_rect; }
    void setRect(const QRectF &rect);
    double rotation() const { return m_rotation; }
    void setRotation(double rotation);

    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void rectChanged();
    void rotationChanged();

protected:
    // Adds the unrotated shape for a rectangle of positive size.
    virtual void buildShape(QPainterPath &path, const QRectF &box) = 0;

private:
    QRectF m_rect;
    double m_rotation = 0.0;
};
