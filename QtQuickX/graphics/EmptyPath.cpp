#include "EmptyPath.h"

EmptyPath::EmptyPath(QObject *parent)
    : PainterPathElement(parent)
{ }

void EmptyPath::buildPath(QPainterPath &, BuildContext &)
{ }
