#pragma once

#include "PainterPathElement.h"

// Adds nothing; a placeholder where a path element is required.
class EmptyPath : public PainterPathElement
{
    Q_OBJECT
public:
    explicit EmptyPath(QObject *parent = nullptr);

    void buildPath(QPainterPath &path, BuildContext &context) override;
};
