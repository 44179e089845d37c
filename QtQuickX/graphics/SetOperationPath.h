#pragma once

#include "GroupPath.h"

// Combines its visible children by a boolean operation; a single child passes through unchanged.
class SetOperationPath : public GroupPath
{
    Q_OBJECT
public:
    explicit SetOperationPath(QObject *parent = nullptr);

    void buildPath(QPainterPath &path, BuildContext &context) override;

protected:
    // Whether accumulation starts from an empty path instead of the first child.
    virtual bool startsEmpty() const = 0;
    virtual QPainterPath combine(
        const QPainterPath &accumulated, const QPainterPath &next) const = 0;
};
