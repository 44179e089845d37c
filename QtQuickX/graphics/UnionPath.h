#pragma once

#include "SetOperationPath.h"

// The union of its visible children.
class UnionPath : public SetOperationPath
{
    Q_OBJECT
public:
    explicit UnionPath(QObject *parent = nullptr);

protected:
    bool startsEmpty() const override { return true; }
    QPainterPath combine(const QPainterPath &accumulated, const QPainterPath &next) const override;
};
