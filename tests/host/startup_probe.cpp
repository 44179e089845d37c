// The console's own start-up with a watcher that plays the operator for tst_startup:
// it reports and closes a message box, or closes the main window once its main view shows.
#include "ConsoleMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace {

void report(const QByteArray &line)
{
    std::fprintf(stderr, "PROBE %s\n", line.constData());
    std::fflush(stderr);
}

bool mainViewShown(QQuickWindow *window)
{
    auto *loader = window->findChild<QQuickItem *>(QStringLiteral("mainViewLoader"));
    return loader && loader->isVisible() && loader->property("status").toInt() == 1;
}

void watch()
{
    // Help printed without a display runs on a plain core application: nothing to watch.
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    auto *timer = new QTimer(app);
    QObject::connect(timer, &QTimer::timeout, app, [timer] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            report("MESSAGEBOX " + box->text().toUtf8().toPercentEncoding(" "));
            box->accept();
            return;
        }
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            auto *quick = qobject_cast<QQuickWindow *>(window);
            if (quick && mainViewShown(quick)) {
                report("MAINVIEW " + quick->title().toUtf8());
                QTimer::singleShot(1000, quick, &QQuickWindow::close);
                timer->stop();
            }
        }
    });
    timer->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)

int main(int argc, char **argv)
{
    return consoleMain(argc, argv);
}
