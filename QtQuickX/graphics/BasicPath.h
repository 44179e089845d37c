#pragma once

#include "PainterPathElement.h"
#include "PathData.h"

// A ready-made path value as an element.
class BasicPath : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(PathData pathData READ pathData WRITE setPathData NOTIFY pathDataChanged)
public:
    explicit BasicPath(QObject *parent = nullptr);

    PathData pathData() const { return m_pathData; }
    void setPathData(const PathData &pathData);

    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void pathDataChanged();

private:
    PathData m_pathData;
};
