#include "BasicPath.h"

BasicPath::BasicPath(QObject *parent)
    : PainterPathElement(parent)
{ }

void BasicPath::setPathData(const PathData &pathData)
{
    if (assign(m_pathData, pathData))
        emit pathDataChanged();
}

void BasicPath::buildPath(QPainterPath &path, BuildContext &)
{
    path.addPath(m_pathData.path());
}
