// Runs the console, a bare window and a bare window showing the login form in turn, and compares
// the time from process start to their first frame, and from process start to the console's
// first frame that shows the login view with the form's. Needs a display (run under xvfb-run).
#include <QProcess>
#include <QTemporaryDir>

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

// Milliseconds from just before the process starts to the frames its probe reports; negative
// for a frame that was not reported.
struct StartupTimes
{
    double firstFrameMs = -1;
    double awaitedItemMs = -1;
};

StartupTimes startupTimes(const QString &binary, const QProcessEnvironment &environment)
{
    StartupTimes times;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    process.start(binary, {});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return times;
    }
    const qint64 startNs = std::chrono::duration_cast<std::chrono::nanoseconds>(start).count();
    const auto sinceStart = [startNs](const QByteArray &value) {
        return double(value.toLongLong() - startNs) / 1e6;
    };
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2)
            continue;
        if (fields[0] == "FIRST-FRAME-NS")
            times.firstFrameMs = sinceStart(fields[1]);
        else if (fields[0] == "AWAITED-ITEM-FRAME-NS")
            times.awaitedItemMs = sinceStart(fields[1]);
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::max(10, atoi(argv[1])) : 15;
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    QProcessEnvironment awaitingEnvironment = environment;
    awaitingEnvironment.insert("KESTRUM_BENCH_AWAIT_ITEM", "loginView");

    // One warm-up each, so every side starts with the same file-system caches.
    startupTimes(CONSOLE_BINARY, awaitingEnvironment);
    startupTimes(BARE_BINARY, environment);
    startupTimes(LOGIN_FORM_BINARY, awaitingEnvironment);

    std::vector<double> consoleFirstFrame, consoleLoginView, bare, loginForm;
    for (int i = 0; i < rounds; ++i) {
        const StartupTimes c = startupTimes(CONSOLE_BINARY, awaitingEnvironment);
        const StartupTimes b = startupTimes(BARE_BINARY, environment);
        const StartupTimes f = startupTimes(LOGIN_FORM_BINARY, awaitingEnvironment);
        if (c.firstFrameMs < 0 || c.awaitedItemMs < 0 || b.firstFrameMs < 0
            || f.awaitedItemMs < 0) {
            std::fprintf(stderr, "a run did not reach its frames\n");
            return 1;
        }
        consoleFirstFrame.push_back(c.firstFrameMs);
        consoleLoginView.push_back(c.awaitedItemMs);
        bare.push_back(b.firstFrameMs);
        loginForm.push_back(f.awaitedItemMs);
    }
    const double firstFrameMedian = median(consoleFirstFrame);
    const double loginViewMedian = median(consoleLoginView);
    const double bareMedian = median(bare);
    const double loginFormMedian = median(loginForm);
    const double firstFrameRatio = firstFrameMedian / bareMedian;
    const double loginFormRatio = loginViewMedian / loginFormMedian;
    std::printf("rounds: %d\n", rounds);
    std::printf("console first frame, median: %.1f ms\n", firstFrameMedian);
    std::printf("console login view, median: %.1f ms\n", loginViewMedian);
    std::printf("bare window first frame, median: %.1f ms\n", bareMedian);
    std::printf("bare login form, median: %.1f ms\n", loginFormMedian);
    std::printf("first-frame ratio: %.3f\n", firstFrameRatio);
    std::printf("login view against a bare window: %.3f\n", loginViewMedian / bareMedian);
    std::printf("login-view ratio (against the bare login form): %.3f\n", loginFormRatio);
    std::printf("ratio: %.3f\n", std::max(firstFrameRatio, loginFormRatio));
    return 0;
}
