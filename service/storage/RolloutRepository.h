#pragma once

#include "LocationReach.h"
#include "RolloutPlan.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <optional>

namespace service {

class Database;
class TaskProgress;

// Staged rollouts in the database: their groups, the devices of each group and the tasks a
// group gets when it starts. Every change runs in a write of its own.
class RolloutRepository
{
public:
    struct Target
    {
        QString data; // the task data, the same for every group
        QVector<qint64> deviceIds;
    };
    struct NewRollout
    {
        int type = 0;
        QString dispersion;
        QVector<int> percents;
        RolloutPlan::Thresholds thresholds;
        qint64 userId = 0;
        qint64 customerId = 0;
        QVector<Target> targets;
    };

    RolloutRepository(Database &database, TaskProgress &progress);

    // Splits the devices of the targets found in reach into groups and starts the first;
    // devices already on a target's version are left out. Throws NotFound when none is left.
    // noted learns the new id and the number of devices inside the write, before it commits.
    qint64 add(const NewRollout &rollout, const LocationReach &reach,
        const std::function<void(qint64 id, int devices)> &noted = {});
    QJsonArray list(const LocationReach &reach, const std::optional<QVector<qint64>> &ids);
    QJsonObject load(qint64 id);
    // The rollout's location; NotFound for an unknown id.
    qint64 customerOf(qint64 id);

    void pause(qint64 id);
    void resume(qint64 id);
    void abort(qint64 id);
    void startNextGroup(qint64 id);

    // Moves every running rollout on by its groups' counts.
    void advanceAll();

private:
    struct Header
    {
        RolloutPlan::State state;
        RolloutPlan::Thresholds thresholds;
    };
    struct Group
    {
        int size = 0;
        qint64 startedMs = 0;
        RolloutPlan::Counts counts;
        QVector<qint64> taskIds;
    };

    // Prepares, binds and runs a statement.
    QSqlQuery run(const QString &sql, const QVariantList &values);
    Header header(qint64 id);
    QVector<Group> groups(qint64 id);
    void advance(qint64 id);
    void startGroup(qint64 id, int groupIndex);
    void close(qint64 id, RolloutPlan::State state);
    void setState(qint64 id, RolloutPlan::State state);
    // Leaves the state as it is unless it is one of from; then runs the change.
    void requireState(
        qint64 id, std::initializer_list<RolloutPlan::State> from, const char *refusal);

    Database &m_database;
    TaskProgress &m_progress;
};

} // namespace service
