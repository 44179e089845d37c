#include "SessionVault.h"

#include "PrivateFileCredentialStore.h"
#include "SystemCredentialStore.h"

#include <QDebug>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Long enough for a keychain that asks the desktop to unlock itself, short enough that a
// remembered session does not wait on one that never answers.
constexpr int StoreDeadlineMs = 5000;

void ignore(CredentialStore::Outcome)
{ }

} // namespace

SessionVault::SessionVault(QObject *parent)
    : SessionVault(std::make_unique<SystemCredentialStore>(QStringLiteral("Kestrum Console"),
                       QStringLiteral("session"), StoreDeadlineMs),
        std::make_unique<PrivateFileCredentialStore>(fallbackPath()), parent)
{ }

SessionVault::SessionVault(std::unique_ptr<CredentialStore> store,
    std::unique_ptr<CredentialStore> fallback, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_fallback(std::move(fallback))
{ }

SessionVault::~SessionVault() = default;

QString SessionVault::fallbackPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/session");
}

void SessionVault::load()
{
    const QString legacy = takeLegacySession();
    if (!legacy.isEmpty()) {
        keep(legacy);
        emit loaded(legacy);
        return;
    }
    enqueue([this](std::function<void()> next) {
        if (m_usingFallback) {
            readInto(*m_fallback, next);
            return;
        }
        m_store->read([this, next](CredentialStore::Outcome outcome, const QString &text) {
            if (outcome == CredentialStore::Outcome::Done) {
                know(text);
                m_fallback->erase(ignore);
                emit loaded(text);
                next();
            } else if (outcome == CredentialStore::Outcome::NotFound) {
                // A session kept while no store answered moves into the store now that one does.
                m_fallback->read([this, next](CredentialStore::Outcome found, const QString &kept) {
                    if (found != CredentialStore::Outcome::Done || kept.isEmpty()) {
                        know(QString());
                        emit loaded(QString());
                        next();
                        return;
                    }
                    know(kept);
                    emit loaded(kept);
                    writeText(kept, next);
                });
            } else {
                useFallback();
                readInto(*m_fallback, next);
            }
        });
    });
}

void SessionVault::keep(const QString &text)
{
    if (m_wantedKnown && text == m_wanted)
        return;
    know(text);
    enqueue([this, text](std::function<void()> next) {
        if (text.isEmpty())
            eraseEverywhere(next);
        else
            writeText(text, next);
    });
}

void SessionVault::know(const QString &text)
{
    m_wanted = text;
    m_wantedKnown = true;
}

void SessionVault::readInto(CredentialStore &store, std::function<void()> next)
{
    store.read([this, next](CredentialStore::Outcome outcome, const QString &text) {
        const QString found = outcome == CredentialStore::Outcome::Done ? text : QString();
        know(found);
        emit loaded(found);
        next();
    });
}

void SessionVault::writeText(const QString &text, std::function<void()> next)
{
    if (m_usingFallback) {
        m_fallback->write(text, [next](CredentialStore::Outcome outcome) {
            if (outcome != CredentialStore::Outcome::Done)
                qWarning() << "The remembered session could not be kept";
            next();
        });
        return;
    }
    m_store->write(text, [this, text, next](CredentialStore::Outcome outcome) {
        if (outcome == CredentialStore::Outcome::Done) {
            // Only one copy: none left behind in the private file.
            m_fallback->erase([next](CredentialStore::Outcome) { next(); });
            return;
        }
        useFallback();
        writeText(text, next);
    });
}

void SessionVault::eraseEverywhere(std::function<void()> next)
{
    m_fallback->erase(ignore);
    if (m_usingFallback) {
        next();
        return;
    }
    m_store->erase([next](CredentialStore::Outcome outcome) {
        if (outcome != CredentialStore::Outcome::Done)
            qWarning() << "The remembered session could not be erased from the credential store";
        next();
    });
}

void SessionVault::useFallback()
{
    if (m_usingFallback)
        return;
    m_usingFallback = true;
    qInfo().noquote() << "No credential store answers: the remembered session is kept in"
                      << QDir::toNativeSeparators(fallbackPath())
                      << "(readable by this account only)";
}

QString SessionVault::takeLegacySession()
{
    QSettings settings;
    const QString key = legacySettingsKey();
    if (!settings.contains(key))
        return QString();
    const QString legacy = settings.value(key).toString();
    settings.remove(key);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning() << "The session left in the settings could not be erased from them";
    return legacy;
}

void SessionVault::enqueue(Step step)
{
    const bool wasBusy = busy();
    m_steps.enqueue(std::move(step));
    if (!wasBusy)
        emit busyChanged();
    if (!m_running)
        runNext();
}

void SessionVault::runNext()
{
    if (m_steps.isEmpty()) {
        emit busyChanged();
        return;
    }
    m_running = true;
    Step step = m_steps.dequeue();
    step([this] {
        m_running = false;
        runNext();
    });
}
