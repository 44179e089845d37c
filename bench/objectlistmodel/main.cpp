// Fills a model with 100,000 rows and then changes one property of every row, from one script
// each, the way QML code uses each model: ours is ObjectListModel given the existing objects
// in one append call, each change made on the object (the model hears its notify signal);
// the peer is the QML ListModel given the same values as plain objects in one append call,
// each change made with setProperty. Each trial runs in a child process of its own, so the
// resident memory growth of one does not hide in the heap left by another. The trials alternate
// which side runs first, so a load that comes and goes on the machine hits both alike.
// Usage: bench_objectlistmodel [trials]
#include "BenchItem.h"
#include "ObjectListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unistd.h>

namespace {

constexpr int rowCount = 100000;
constexpr int defaultTrials = 15;

struct Trial
{
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double rssGrowthMiB = 0;
    int notifications = 0;
};

// CPU time of this thread: unlike wall time, not stretched by whatever else the machine runs.
double threadCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0)
                             : 0;
}

QJSValue callScript(QQmlEngine &engine, const QString &source, const QJSValueList &args)
{
    QJSValue result = engine.evaluate(source).call(args);
    if (result.isError())
        qFatal("script error: %s", qPrintable(result.toString()));
    return result;
}

// Fills the model from script and changes each row's value; times both together.
Trial fillAndChange(QQmlEngine &engine, QAbstractItemModel *model, const QJSValue &rows,
    const QString &changeEachRow)
{
    QQmlEngine::setObjectOwnership(model, QQmlEngine::CppOwnership);
    Trial trial;
    QObject::connect(model, &QAbstractItemModel::dataChanged,
        [&trial](const QModelIndex &, const QModelIndex &, const QVector<int> &) {
            ++trial.notifications;
        });
    QJSValue script = engine.evaluate(QStringLiteral("(function(model, rows) {"
                                                     "  model.append(rows);"
                                                     "  for (var i = 0; i < rows.length; ++i)")
        + changeEachRow + QStringLiteral("})"));
    const QJSValue scriptModel = engine.newQObject(model);
    const double before = residentMiB();
    const double cpuStart = threadCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    const QJSValue result = script.call({ scriptModel, rows });
    trial.milliseconds = timer.nsecsElapsed() / 1e6;
    trial.cpuMilliseconds = threadCpuMilliseconds() - cpuStart;
    trial.rssGrowthMiB = residentMiB() - before;
    if (result.isError())
        qFatal("script error: %s", qPrintable(result.toString()));
    if (model->rowCount() != rowCount)
        qFatal("the model holds %d rows", model->rowCount());
    return trial;
}

Trial runOurs()
{
    QQmlEngine engine;
    QObject holder;
    QJSValue objects = engine.newArray(rowCount);
    for (int i = 0; i < rowCount; ++i) {
        auto *item = new BenchItem(QStringLiteral("item %1").arg(i), i, &holder);
        QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
        objects.setProperty(quint32(i), engine.newQObject(item));
    }
    ObjectListModel model;
    model.setKnownRoles({ QStringLiteral("name"), QStringLiteral("value") });
    return fillAndChange(engine, &model, objects, QStringLiteral("rows[i].value = i + 1;"));
}

Trial runPeer()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml.Models 2.15\nListModel {}\n", QUrl());
    std::unique_ptr<QObject> model(component.create());
    auto *listModel = qobject_cast<QAbstractItemModel *>(model.get());
    if (!listModel)
        qFatal("ListModel: %s", qPrintable(component.errorString()));
    const QJSValue values = callScript(engine,
        QStringLiteral("(function(n) { var values = [];"
                       "  for (var i = 0; i < n; ++i) values.push({ name: 'item ' + i, value: i });"
                       "  return values; })"),
        { rowCount });
    return fillAndChange(
        engine, listModel, values, QStringLiteral("model.setProperty(i, 'value', i + 1);"));
}

Trial runChild(const QString &which)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--trial"), which });
    child.waitForFinished(-1);
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || fields.size() != 4)
        qFatal("trial %s failed: %s", qPrintable(which), child.readAllStandardError().constData());
    return { fields.at(0).toDouble(), fields.at(1).toDouble(), fields.at(2).toDouble(),
        fields.at(3).toInt() };
}

// The value below which the given share of values lies (nearest rank).
double quantile(QVector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.at(int(share * (values.size() - 1) + 0.5));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--trial")) {
        const Trial trial = args.at(2) == QLatin1String("ours") ? runOurs() : runPeer();
        std::printf("%f %f %f %d\n", trial.milliseconds, trial.cpuMilliseconds, trial.rssGrowthMiB,
            trial.notifications);
        return 0;
    }

    const int trials = args.size() > 1 ? qMax(1, args.at(1).toInt()) : defaultTrials;
    QVector<Trial> ours, peer;
    for (int i = 0; i < trials; ++i) {
        if (i % 2 == 0) {
            ours.append(runChild(QStringLiteral("ours")));
            peer.append(runChild(QStringLiteral("peer")));
        } else {
            peer.append(runChild(QStringLiteral("peer")));
            ours.append(runChild(QStringLiteral("ours")));
        }
        if (ours.last().notifications != rowCount || peer.last().notifications != rowCount)
            qFatal("expected %d data changes, got %d and %d", rowCount, ours.last().notifications,
                peer.last().notifications);
    }
    const auto quantileOf = [](const QVector<Trial> &runs, double Trial::*field, double share) {
        QVector<double> values;
        for (const Trial &run : runs)
            values.append(run.*field);
        return quantile(values, share);
    };
    const auto medianOf = [&](const QVector<Trial> &runs, double Trial::*field) {
        return quantileOf(runs, field, 0.5);
    };
    QTextStream out(stdout);
    out << "rows: " << rowCount << ", trials: " << trials << " (medians)\n";
    const auto report = [&](const char *name, const QVector<Trial> &runs) {
        out << name << medianOf(runs, &Trial::cpuMilliseconds) << " ms CPU (quartiles "
            << quantileOf(runs, &Trial::cpuMilliseconds, 0.25) << "-"
            << quantileOf(runs, &Trial::cpuMilliseconds, 0.75) << "), "
            << medianOf(runs, &Trial::milliseconds) << " ms wall, RSS growth "
            << medianOf(runs, &Trial::rssGrowthMiB) << " MiB\n";
    };
    report("ObjectListModel: ", ours);
    report("ListModel:       ", peer);
    out << "wall-time ratio: "
        << QString::number(
               medianOf(ours, &Trial::milliseconds) / medianOf(peer, &Trial::milliseconds), 'f', 3)
        << "\n";
    // The machine is shared and changes speed between trials: each pair of trials runs back
    // to back, so the cost compared is the median of the pairs' CPU-time ratios.
    QVector<double> pairRatios;
    for (int i = 0; i < trials; ++i)
        pairRatios.append(ours.at(i).cpuMilliseconds / peer.at(i).cpuMilliseconds);
    out << "ratio of medians: "
        << QString::number(
               medianOf(ours, &Trial::cpuMilliseconds) / medianOf(peer, &Trial::cpuMilliseconds),
               'f', 3)
        << "\n";
    out << "pair ratios: quartiles " << QString::number(quantile(pairRatios, 0.25), 'f', 3) << "-"
        << QString::number(quantile(pairRatios, 0.75), 'f', 3) << "\n";
    out << "ratio: " << QString::number(quantile(pairRatios, 0.5), 'f', 3) << "\n";
    return 0;
}
