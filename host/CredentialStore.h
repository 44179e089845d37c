#pragma once

#include <QString>

#include <functional>

// A place that keeps one secret of the console between runs. Every call answers exactly once,
// possibly before it returns; one call at a time.
class CredentialStore
{
public:
    enum class Outcome { Done, NotFound, Unavailable };
    using ReadDone = std::function<void(Outcome, const QString &)>;
    using Done = std::function<void(Outcome)>;

    virtual ~CredentialStore() = default;

    virtual void read(ReadDone done) = 0;
    virtual void write(const QString &secret, Done done) = 0;
    // NotFound counts as done: there is nothing left to erase.
    virtual void erase(Done done) = 0;
};
