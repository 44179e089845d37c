#include "SvgPath.h"

#include "SvgPathParser.h"

SvgPath::SvgPath(QObject *parent)
    : PainterPathElement(parent)
{ }

void SvgPath::setPathData(const QString &pathData)
{
    if (m_pathData == pathData)
        return;
    m_parsed = QPainterPath();
    SvgPathParser::parse(pathData, m_parsed);
    assign(m_pathData, pathData);
    emit pathDataChanged();
}

void SvgPath::buildPath(QPainterPath &path, BuildContext &)
{
    path.addPath(m_parsed);
}
