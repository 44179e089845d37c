#pragma once

#include <QMatrix4x4>
#include <QObject>

class BuildContext;
class QPainterPath;

// Base of every declarative path element. An element reports a change once through invalidated()
// and stays quiet until its consumer has rebuilt and called validate().
class PainterPathElement : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)
    // Applied to this element's own contribution.
    Q_PROPERTY(QMatrix4x4 transformation READ transformation WRITE setTransformation NOTIFY
            transformationChanged)
public:
    explicit PainterPathElement(QObject *parent = nullptr);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    QMatrix4x4 transformation() const { return m_transformation; }
    void setTransformation(const QMatrix4x4 &transformation);
    bool isInvalidated() const { return m_invalidated; }

    virtual void validate();
    // Appends this element's geometry, without its transformation.
    virtual void buildPath(QPainterPath &path, BuildContext &context) = 0;

    void addToPath(QPainterPath &path, BuildContext &context);

signals:
    void invalidated();
    void visibleChanged();
    void transformationChanged();

protected:
    void invalidate();

    // Stores a changed value and invalidates; answers whether it changed.
    template<typename T>
    bool assign(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        invalidate();
        return true;
    }

private:
    bool m_visible = true;
    bool m_invalidated = false;
    QMatrix4x4 m_transformation;
};
