#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Records the messages of Qt's log for a Qt Quick Test while it runs (they still reach the
// previous handler), so a test can check what the console would have written to its log file.
class QmlMessageLog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(int length READ length)
public:
    explicit QmlMessageLog(QObject *parent = nullptr);
    ~QmlMessageLog() override;

    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    int length() const;

    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void clear() { m_lines.clear(); }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QStringList m_lines;
    bool m_recording = false;
};
