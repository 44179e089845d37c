#pragma once

#include "PainterPathElement.h"

#include "WatchedPathElement.h"

// Reuses another element (with its transformation) without owning it.
class RefPath : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(PainterPathElement *path READ path WRITE setPath NOTIFY pathChanged)
    Q_CLASSINFO("DefaultProperty", "path")
public:
    explicit RefPath(QObject *parent = nullptr);
    ~RefPath() override;

    PainterPathElement *path() const { return m_path; }
    void setPath(PainterPathElement *path);

    void validate() override;
    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void pathChanged();

private slots:
    void pathInvalidated();

private:
    WatchedPathElement m_path;
    // Guards against a reference to one of its own ancestors.
    bool m_busy = false;
};
