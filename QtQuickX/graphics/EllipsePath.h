#pragma once

#include "BoxedPathBase.h"

// The ellipse inscribed in rect.
class EllipsePath : public BoxedPathBase
{
    Q_OBJECT
public:
    explicit EllipsePath(QObject *parent = nullptr);

protected:
    void buildShape(QPainterPath &path, const QRectF &box) override;
};
