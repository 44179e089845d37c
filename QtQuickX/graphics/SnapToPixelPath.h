#pragma once

#include "GroupPath.h"

// Moves its children's points to whole units; curve control points follow their anchors.
class SnapToPixelPath : public GroupPath
{
    Q_OBJECT
public:
    explicit SnapToPixelPath(QObject *parent = nullptr);

    void buildPath(QPainterPath &path, BuildContext &context) override;

    static QPainterPath snapped(const QPainterPath &path);
};
