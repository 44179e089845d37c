#include "QmlTestSetup.h"

#include <QtPlugin>
#include <QtQuickTest>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

// Accepts -input FILE like any Qt Quick Test runner.
QUICK_TEST_MAIN_WITH_SETUP(kestrum_qmltest, QmlTestSetup)
