#include "RolloutRepository.h"

#include "Database.h"
#include "ListResult.h"
#include "Protocol.h"
#include "ServiceError.h"
#include "TaskProgress.h"
#include "WireDate.h"

#include <QJsonDocument>
#include <QSqlQuery>
#include <algorithm>

namespace service {

namespace {
constexpr qint64 dayMs = 24LL * 3600 * 1000;
constexpr int newestRollouts = 1000;

// The version a firmware name ends in, read as the console reads it.
QString versionOfFirmware(const QString &name)
{
    return name.size() > 4 ? name.right(4) : name;
}

QString targetVersion(const QString &data)
{
    return QJsonDocument::fromJson(data.toUtf8())
        .object()
        .value(QLatin1String("version"))
        .toString();
}

QString ofRollout(qint64 id)
{
    return QStringLiteral("k.task_id IN (SELECT task_id FROM rollout_tasks WHERE rollout_id = %1)")
        .arg(id);
}
} // namespace

QSqlQuery RolloutRepository::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = m_database.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    Database::exec(query);
    return query;
}

RolloutRepository::RolloutRepository(Database &database, TaskProgress &progress)
    : m_database(database)
    , m_progress(progress)
{ }

qint64 RolloutRepository::add(const NewRollout &rollout, const LocationReach &reach,
    const std::function<void(qint64 id, int devices)> &noted)
{
    return m_database.write([&] {
        // Each device once, with the first target that names it; ordered by id.
        QVector<QPair<qint64, int>> devices;
        QSet<qint64> seen;
        for (int target = 0; target < rollout.targets.size(); ++target) {
            const Target &entry = rollout.targets.at(target);
            if (entry.deviceIds.isEmpty())
                continue;
            const QString version = targetVersion(entry.data);
            QSqlQuery found = m_database.prepare(
                QStringLiteral("SELECT d.id, coalesce(f.name, '') FROM devices d LEFT JOIN "
                               "firmwares f ON f.id = d.firmware_id WHERE d.id IN ")
                + SqlList::numbers(entry.deviceIds) + QStringLiteral(" AND ")
                + reach.sqlCondition(QStringLiteral("d.customer_id")));
            Database::exec(found);
            while (found.next()) {
                const qint64 device = found.value(0).toLongLong();
                if (!version.isEmpty() && versionOfFirmware(found.value(1).toString()) == version)
                    continue;
                if (!seen.contains(device)) {
                    seen.insert(device);
                    devices.append({ device, target });
                }
            }
        }
        if (devices.isEmpty())
            throw ServiceError::notFound(QStringLiteral("no device needs this rollout"));
        std::sort(devices.begin(), devices.end());

        QSqlQuery insert = m_database.prepare(QStringLiteral(
            "INSERT INTO rollouts (type, state, dispersion, success_percent, error_percent, "
            "automatic, created_ms, created_user_id, customer_id) VALUES (?, 0, ?, ?, ?, ?, ?, ?, "
            "?)"));
        insert.addBindValue(rollout.type);
        insert.addBindValue(rollout.dispersion);
        insert.addBindValue(rollout.thresholds.successPercent);
        insert.addBindValue(rollout.thresholds.errorPercent);
        insert.addBindValue(rollout.thresholds.automatic ? 1 : 0);
        insert.addBindValue(WireDate::nowMs());
        insert.addBindValue(rollout.userId);
        insert.addBindValue(rollout.customerId);
        Database::exec(insert);
        const qint64 id = m_database.lastInsertId(insert);

        QSqlQuery target = m_database.prepare(
            QStringLiteral("INSERT INTO rollout_targets (rollout_id, idx, data) VALUES (?, ?, ?)"));
        for (int index = 0; index < rollout.targets.size(); ++index) {
            target.bindValue(0, id);
            target.bindValue(1, index);
            target.bindValue(2, Database::text(rollout.targets.at(index).data));
            Database::exec(target);
        }
        const QVector<int> sizes = RolloutPlan::groupSizes(devices.size(), rollout.percents);
        QSqlQuery group = m_database.prepare(
            QStringLiteral("INSERT INTO rollout_groups (rollout_id, idx, size) VALUES (?, ?, ?)"));
        QSqlQuery member = m_database.prepare(
            QStringLiteral("INSERT INTO rollout_devices (rollout_id, device_id, group_idx, "
                           "target_idx) VALUES (?, ?, ?, ?)"));
        int next = 0;
        for (int index = 0; index < sizes.size(); ++index) {
            group.bindValue(0, id);
            group.bindValue(1, index);
            group.bindValue(2, sizes.at(index));
            Database::exec(group);
            for (int n = 0; n < sizes.at(index); ++n, ++next) {
                member.bindValue(0, id);
                member.bindValue(1, devices.at(next).first);
                member.bindValue(2, index);
                member.bindValue(3, devices.at(next).second);
                Database::exec(member);
            }
        }
        startGroup(id, 0);
        if (noted)
            noted(id, devices.size());
        return id;
    });
}

RolloutRepository::Header RolloutRepository::header(qint64 id)
{
    QSqlQuery query = m_database.prepare(QStringLiteral(
        "SELECT state, success_percent, error_percent, automatic FROM rollouts WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such rollout"));
    Header result;
    result.state = RolloutPlan::State(query.value(0).toInt());
    result.thresholds.successPercent = query.value(1).toInt();
    result.thresholds.errorPercent = query.value(2).toInt();
    result.thresholds.automatic = query.value(3).toInt() != 0;
    return result;
}

QVector<RolloutRepository::Group> RolloutRepository::groups(qint64 id)
{
    QSqlQuery query = m_database.prepare(QStringLiteral(
        "SELECT g.idx, g.size, g.started_ms, sum(k.status = 0), sum(k.status = 1), "
        "sum(k.status = 2), sum(k.status = 3), sum(k.status = 4) FROM rollout_groups g "
        "LEFT JOIN rollout_tasks rt ON rt.rollout_id = g.rollout_id AND rt.group_idx = g.idx "
        "LEFT JOIN tickets k ON k.task_id = rt.task_id WHERE g.rollout_id = ? "
        "GROUP BY g.idx ORDER BY g.idx"));
    query.addBindValue(id);
    Database::exec(query);
    QVector<Group> result;
    while (query.next()) {
        Group group;
        group.size = query.value(1).toInt();
        group.startedMs = query.value(2).toLongLong();
        group.counts = { query.value(3).toInt(), query.value(4).toInt(), query.value(5).toInt(),
            query.value(6).toInt(), query.value(7).toInt() };
        result.append(group);
    }
    QSqlQuery tasks = m_database.prepare(QStringLiteral(
        "SELECT group_idx, task_id FROM rollout_tasks WHERE rollout_id = ? ORDER BY task_id"));
    tasks.addBindValue(id);
    Database::exec(tasks);
    while (tasks.next()) {
        const int index = tasks.value(0).toInt();
        if (index >= 0 && index < result.size())
            result[index].taskIds.append(tasks.value(1).toLongLong());
    }
    return result;
}

QJsonObject RolloutRepository::load(qint64 id)
{
    QSqlQuery query = m_database.prepare(
        QStringLiteral("SELECT type, state, dispersion, success_percent, error_percent, automatic, "
                       "created_ms, closed_ms, created_user_id FROM rollouts WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such rollout"));

    QJsonArray groupList;
    int notStarted = 0;
    for (const Group &group : groups(id)) {
        QJsonArray tasks;
        for (qint64 task : group.taskIds)
            tasks.append(task);
        groupList.append(QJsonObject {
            { QStringLiteral("n"), group.size },
            { QStringLiteral("sa"),
                group.startedMs > 0 ? WireDate::toJson(group.startedMs) : QJsonValue() },
            { QStringLiteral("pc"), group.counts.pending },
            { QStringLiteral("rc"), group.counts.running },
            { QStringLiteral("sc"), group.counts.completed },
            { QStringLiteral("cc"), group.counts.canceled },
            { QStringLiteral("fc"), group.counts.failed },
            { QStringLiteral("tids"), tasks },
        });
        notStarted += group.startedMs > 0 ? group.counts.pending : group.size;
    }
    QSqlQuery targets = m_database.prepare(
        QStringLiteral("SELECT t.data, (SELECT count(*) FROM rollout_devices d WHERE "
                       "d.rollout_id = t.rollout_id AND d.target_idx = t.idx) FROM "
                       "rollout_targets t WHERE t.rollout_id = ? ORDER BY t.idx"));
    targets.addBindValue(id);
    Database::exec(targets);
    QJsonArray targetList;
    while (targets.next())
        targetList.append(QJsonObject { { QStringLiteral("d"), targets.value(0).toString() },
            { QStringLiteral("n"), targets.value(1).toInt() } });

    const qint64 closed = query.value(7).toLongLong();
    return QJsonObject {
        { QStringLiteral("id"), id },
        { QStringLiteral("t"), query.value(0).toInt() },
        { QStringLiteral("s"), query.value(1).toInt() },
        { QStringLiteral("dsp"), query.value(2).toString() },
        { QStringLiteral("st"), query.value(3).toInt() },
        { QStringLiteral("et"), query.value(4).toInt() },
        { QStringLiteral("auto"), query.value(5).toInt() != 0 },
        { QStringLiteral("ca"), WireDate::toJson(query.value(6).toLongLong()) },
        { QStringLiteral("cla"), closed > 0 ? WireDate::toJson(closed) : QJsonValue() },
        { QStringLiteral("cuid"), query.value(8).toLongLong() },
        { QStringLiteral("ns"), notStarted },
        { QStringLiteral("groups"), groupList },
        { QStringLiteral("targets"), targetList },
    };
}

QJsonArray RolloutRepository::list(
    const LocationReach &reach, const std::optional<QVector<qint64>> &ids)
{
    QString sql = QStringLiteral("SELECT id FROM rollouts WHERE ")
        + reach.sqlCondition(QStringLiteral("customer_id"));
    if (ids)
        sql += QStringLiteral(" AND id IN ") + SqlList::numbers(*ids);
    sql += QStringLiteral(" ORDER BY id DESC LIMIT %1").arg(newestRollouts);
    QSqlQuery query = m_database.prepare(sql);
    Database::exec(query);
    QVector<qint64> found;
    while (query.next())
        found.append(query.value(0).toLongLong());
    QJsonArray items;
    for (qint64 id : qAsConst(found))
        items.append(load(id));
    return items;
}

qint64 RolloutRepository::customerOf(qint64 id)
{
    QSqlQuery query
        = m_database.prepare(QStringLiteral("SELECT customer_id FROM rollouts WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such rollout"));
    return query.value(0).toLongLong();
}

void RolloutRepository::requireState(
    qint64 id, std::initializer_list<RolloutPlan::State> from, const char *refusal)
{
    const RolloutPlan::State state = header(id).state;
    if (std::find(from.begin(), from.end(), state) == from.end())
        throw ServiceError::invalid(QString::fromLatin1(refusal));
}

void RolloutRepository::setState(qint64 id, RolloutPlan::State state)
{
    run(QStringLiteral("UPDATE rollouts SET state = ?, closed_ms = ? WHERE id = ?"),
        { int(state), RolloutPlan::isClosed(state) ? WireDate::nowMs() : 0, id });
}

void RolloutRepository::close(qint64 id, RolloutPlan::State state)
{
    // Devices that have not begun never will; those already installing finish.
    QVector<qint64> tasks;
    for (const Group &group : groups(id))
        tasks += group.taskIds;
    m_progress.moveTickets(ofRollout(id), QStringLiteral("(0)"), int(TaskStatus::Canceled), tasks);
    setState(id, state);
}

void RolloutRepository::pause(qint64 id)
{
    using State = RolloutPlan::State;
    m_database.write([&] {
        requireState(id, { State::Running, State::WaitingForApproval },
            "only a running rollout can be paused");
        setState(id, State::Paused);
    });
}

void RolloutRepository::resume(qint64 id)
{
    m_database.write([&] {
        requireState(id, { RolloutPlan::State::Paused }, "the rollout is not paused");
        setState(id, RolloutPlan::State::Running);
        advance(id);
    });
}

void RolloutRepository::abort(qint64 id)
{
    using State = RolloutPlan::State;
    m_database.write([&] {
        requireState(id, { State::Running, State::WaitingForApproval, State::Paused },
            "the rollout has already ended");
        close(id, State::Aborted);
    });
}

void RolloutRepository::startNextGroup(qint64 id)
{
    m_database.write([&] {
        requireState(id, { RolloutPlan::State::WaitingForApproval },
            "the rollout is not waiting for its next group");
        const QVector<Group> all = groups(id);
        const auto started = std::count_if(
            all.begin(), all.end(), [](const Group &group) { return group.startedMs > 0; });
        if (started >= all.size())
            throw ServiceError::invalid(QStringLiteral("every group has started"));
        startGroup(id, int(started));
        setState(id, RolloutPlan::State::Running);
    });
}

void RolloutRepository::startGroup(qint64 id, int groupIndex)
{
    const qint64 now = WireDate::nowMs();
    QSqlQuery rollout = m_database.prepare(QStringLiteral(
        "SELECT type, dispersion, created_user_id, customer_id FROM rollouts WHERE id = ?"));
    rollout.addBindValue(id);
    Database::exec(rollout);
    if (!rollout.next())
        throw ServiceError::notFound(QStringLiteral("no such rollout"));
    QSqlQuery targets = m_database.prepare(QStringLiteral(
        "SELECT DISTINCT d.target_idx, t.data FROM rollout_devices d JOIN rollout_targets t ON "
        "t.rollout_id = d.rollout_id AND t.idx = d.target_idx WHERE d.rollout_id = ? AND "
        "d.group_idx = ? ORDER BY d.target_idx"));
    targets.addBindValue(id);
    targets.addBindValue(groupIndex);
    Database::exec(targets);
    // One task per target (firmware version) of the group, as a task made by hand would be.
    while (targets.next()) {
        QSqlQuery task = m_database.prepare(
            QStringLiteral("INSERT INTO tasks (type, status, data, dispersion, valid_from_ms, "
                           "valid_to_ms, created_ms, created_user_id, customer_id) VALUES (?, 0, "
                           "?, ?, ?, ?, ?, ?, ?)"));
        task.addBindValue(rollout.value(0).toInt());
        task.addBindValue(targets.value(1).toString());
        task.addBindValue(rollout.value(1).toString());
        task.addBindValue(now);
        task.addBindValue(now + dayMs);
        task.addBindValue(now);
        task.addBindValue(rollout.value(2).toLongLong());
        task.addBindValue(rollout.value(3).toLongLong());
        Database::exec(task);
        const qint64 taskId = m_database.lastInsertId(task);
        run(QStringLiteral(
                "INSERT INTO tickets (task_id, device_id, status) SELECT ?, device_id, 0 FROM "
                "rollout_devices WHERE rollout_id = ? AND group_idx = ? AND target_idx = ? "
                "ORDER BY device_id"),
            { taskId, id, groupIndex, targets.value(0).toInt() });
        run(QStringLiteral(
                "INSERT INTO rollout_tasks (task_id, rollout_id, group_idx) VALUES (?, ?, ?)"),
            { taskId, id, groupIndex });
    }
    run(QStringLiteral("UPDATE rollout_groups SET started_ms = ? WHERE rollout_id = ? AND idx = ?"),
        { now, id, groupIndex });
}

void RolloutRepository::advance(qint64 id)
{
    const Header current = header(id);
    if (current.state != RolloutPlan::State::Running)
        return;
    const QVector<Group> all = groups(id);
    QVector<RolloutPlan::Counts> started;
    for (const Group &group : all) {
        if (group.startedMs > 0)
            started.append(group.counts);
    }
    const bool more = started.size() < all.size();
    switch (RolloutPlan::next(started, more, current.thresholds)) {
    case RolloutPlan::Step::Stay:
        break;
    case RolloutPlan::Step::Stop:
        close(id, RolloutPlan::State::Stopped);
        break;
    case RolloutPlan::Step::StartNextGroup:
        startGroup(id, started.size());
        break;
    case RolloutPlan::Step::WaitForApproval:
        setState(id, RolloutPlan::State::WaitingForApproval);
        break;
    case RolloutPlan::Step::Finish:
        setState(id, RolloutPlan::State::Finished);
        break;
    }
}

void RolloutRepository::advanceAll()
{
    QSqlQuery query = m_database.prepare(QStringLiteral("SELECT id FROM rollouts WHERE state = ?"));
    query.addBindValue(int(RolloutPlan::State::Running));
    Database::exec(query);
    QVector<qint64> running;
    while (query.next())
        running.append(query.value(0).toLongLong());
    for (qint64 id : qAsConst(running))
        m_database.write([&] { advance(id); });
}

} // namespace service
