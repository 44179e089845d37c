#pragma once

#include "SetOperationPath.h"

// The area common to all its visible children.
class IntersectionPath : public SetOperationPath
{
    Q_OBJECT
public:
    explicit IntersectionPath(QObject *parent = nullptr);

protected:
    bool startsEmpty() const override { return false; }
    QPainterPath combine(const QPainterPath &accumulated, const QPainterPath &next) const override;
};
