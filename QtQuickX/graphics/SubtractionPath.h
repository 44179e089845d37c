#pragma once

#include "SetOperationPath.h"

// The first visible child minus the following ones.
class SubtractionPath : public SetOperationPath
{
    Q_OBJECT
public:
    explicit SubtractionPath(QObject *parent = nullptr);

protected:
    bool startsEmpty() const override { return false; }
    QPainterPath combine(const QPainterPath &accumulated, const QPainterPath &next) const override;
};
