// The baselines: a minimal Material ApplicationWindow, or one showing the login form's controls
// (BARE_WINDOW_QML names which).
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QQmlApplicationEngine engine(QUrl(QStringLiteral(BARE_WINDOW_QML)));
    return app.exec();
}
