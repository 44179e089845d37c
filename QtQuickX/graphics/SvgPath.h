#pragma once

#include "PainterPathElement.h"

#include <QPainterPath>

// The geometry of SVG path data; the text is parsed once, when it is set.
class SvgPath : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(QString pathData READ pathData WRITE setPathData NOTIFY pathDataChanged)
public:
    explicit SvgPath(QObject *parent = nullptr);

    QString pathData() const { return m_pathData; }
    void setPathData(const QString &pathData);

    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void pathDataChanged();

private:
    QString m_pathData;
    QPainterPath m_parsed;
};
