#include "SetOperationPath.h"

#include "BuildContext.h"

#include <QPainterPath>

SetOperationPath::SetOperationPath(QObject *parent)
    : GroupPath(parent)
{ }

void SetOperationPath::buildPath(QPainterPath &path, BuildContext &context)
{
    const QVector<PainterPathElement *> visible = visibleChildren();
    if (visible.isEmpty())
        return;
    if (visible.size() == 1) {
        visible.first()->addToPath(path, context);
        return;
    }
    QPainterPath accumulated = context.emptyPath();
    for (int i = 0; i < visible.size(); ++i) {
        QPainterPath child = context.emptyPath();
        visible.at(i)->addToPath(child, context);
        if (i == 0 && !startsEmpty())
            accumulated = child;
        else
            accumulated = combine(accumulated, child);
    }
    path += accumulated;
}
