#pragma once

#include "CredentialStore.h"

#include <QObject>
#include <QQueue>
#include <QString>

#include <functional>
#include <memory>

// Keeps the remembered session (the text form of the own login, token included) between runs:
// in the system's credential store, or, where none answers, in a private file of its own. The
// settings file never holds it; a session an older version left there is moved out once.
class SessionVault : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    // The system store, with the private file in the application's data folder as fallback.
    explicit SessionVault(QObject *parent = nullptr);
    SessionVault(std::unique_ptr<CredentialStore> store, std::unique_ptr<CredentialStore> fallback,
        QObject *parent = nullptr);
    ~SessionVault() override;

    // Answers with loaded(), an empty text when nothing is kept.
    Q_INVOKABLE void load();
    // Keeps the text; an empty text erases what is kept.
    Q_INVOKABLE void keep(const QString &text);

    bool busy() const { return m_running || !m_steps.isEmpty(); }

    static QString fallbackPath();
    // Where older versions kept the session, in the settings.
    static QString legacySettingsKey() { return QStringLiteral("session/loginInfo"); }

signals:
    void loaded(const QString &text);
    void busyChanged();

private:
    using Step = std::function<void(std::function<void()> next)>;

    void enqueue(Step step);
    void runNext();
    void useFallback();
    CredentialStore &active() { return m_usingFallback ? *m_fallback : *m_store; }
    void know(const QString &text);
    void readInto(CredentialStore &store, std::function<void()> next);
    void writeText(const QString &text, std::function<void()> next);
    void eraseEverywhere(std::function<void()> next);
    QString takeLegacySession();

    std::unique_ptr<CredentialStore> m_store;
    std::unique_ptr<CredentialStore> m_fallback;
    bool m_usingFallback = false;
    bool m_running = false;
    QQueue<Step> m_steps;
    // The text last asked for or loaded, so that keeping it again writes nothing.
    QString m_wanted;
    bool m_wantedKnown = false;
};
