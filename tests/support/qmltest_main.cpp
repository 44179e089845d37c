#include "QmlTestSetup.h"

#include <QtPlugin>
#include <QtQuickTest>

#include <vector>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

// Accepts -input FILE like any Qt Quick Test runner. The console runs on a QApplication (its
// charts draw through the graphics view framework), so the tests do as well.
int main(int argc, char **argv)
{
    std::vector<char *> arguments(argv, argv + argc);
    char widgets[] = "-widgets";
    arguments.insert(arguments.begin() + 1, widgets);
    arguments.push_back(nullptr);
    QTEST_SET_MAIN_SOURCE_PATH
    QmlTestSetup setup;
    return quick_test_main_with_setup(
        int(arguments.size()) - 1, arguments.data(), "kestrum_qmltest", nullptr, &setup);
}
