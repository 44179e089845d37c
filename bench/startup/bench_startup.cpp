// Runs the console and the bare window alternately and compares the time from process start to
// their first frame. Needs a display (run under xvfb-run).
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds from just before the process starts to its first frame, or a negative value.
double firstFrameMs(const QString &binary, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    process.start(binary, {});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("FIRST-FRAME-NS ")) {
            const qint64 frameNs = line.mid(15).toLongLong();
            const qint64 startNs
                = std::chrono::duration_cast<std::chrono::nanoseconds>(start).count();
            return double(frameNs - startNs) / 1e6;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    const int pairs = argc > 1 ? std::max(10, atoi(argv[1])) : 15;
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/.config");

    // One warm-up each, so both sides start with the same file-system caches.
    firstFrameMs(CONSOLE_BINARY, environment);
    firstFrameMs(BARE_BINARY, environment);

    std::vector<double> console, bare;
    for (int i = 0; i < pairs; ++i) {
        const double c = firstFrameMs(CONSOLE_BINARY, environment);
        const double b = firstFrameMs(BARE_BINARY, environment);
        if (c < 0 || b < 0) {
            std::fprintf(stderr, "a run did not reach its first frame\n");
            return 1;
        }
        console.push_back(c);
        bare.push_back(b);
    }
    const double consoleMedian = median(console);
    const double bareMedian = median(bare);
    std::printf("pairs: %d\n", pairs);
    std::printf("console first frame, median: %.1f ms\n", consoleMedian);
    std::printf("bare window first frame, median: %.1f ms\n", bareMedian);
    std::printf("first-frame ratio: %.3f\n", consoleMedian / bareMedian);
    std::printf("ratio: %.3f\n", consoleMedian / bareMedian);
    return 0;
}
