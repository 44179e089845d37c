#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantMap>

// The outcome of an operation: status (0 success, 1 warning, -1 failure), payload and message.
// A warning is also a success.
class OperationResult
{
    Q_GADGET
    Q_PROPERTY(QVariantMap result READ result)
    Q_PROPERTY(QString message READ message)
    Q_PROPERTY(bool failed READ failed)
    Q_PROPERTY(bool succeeded READ succeeded)
    Q_PROPERTY(bool warning READ warning)
public:
    enum Status {
        Failure = -1,
        Success = 0,
        Warning = 1,
    };

    OperationResult() = default;
    OperationResult(int status, const QVariantMap &result, const QString &message)
        : m_status(status)
        , m_result(result)
        , m_message(message)
    { }

    int status() const { return m_status; }
    const QVariantMap &result() const { return m_result; }
    const QString &message() const { return m_message; }
    bool failed() const { return m_status < 0; }
    bool succeeded() const { return m_status >= 0; }
    bool warning() const { return m_status > 0; }

    // Same status and message, payload keys of news replacing those of this result.
    OperationResult overwritten(const QVariantMap &news) const;
    // Same status and message, payload extended by the keys of extend this result lacks.
    OperationResult extended(const QVariantMap &extend) const;

    bool operator==(const OperationResult &other) const
    {
        return m_status == other.m_status && m_result == other.m_result
            && m_message == other.m_message;
    }

private:
    int m_status = Success;
    QVariantMap m_result;
    QString m_message;
};

Q_DECLARE_METATYPE(OperationResult)
