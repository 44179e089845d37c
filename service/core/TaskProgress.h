#pragma once

#include <QString>
#include <QVector>

namespace service {

class Database;

// A task's status follows its tickets. Called inside the write that changed the tickets.
class TaskProgress
{
public:
    explicit TaskProgress(Database &database);

    void refresh(const QVector<qint64> &taskIds);
    // Moves the tickets that match the condition (alias k) and are in one of fromStatuses to
    // the status (restarting clears their progress), then refreshes their tasks.
    void moveTickets(const QString &condition, const QString &fromStatuses, int status,
        const QVector<qint64> &taskIds);
    // The status of a task whose tickets are in these states.
    static int statusFor(int pending, int running, int completed, int canceled, int failed);

private:
    Database &m_database;
};

} // namespace service
