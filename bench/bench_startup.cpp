// Start-up of the program: from process start to the main window shown and idle, and the
// peak memory of that process. Each run is a fresh child process (this executable with
// --child) that starts the program as xr970's main() does, offscreen, and reports when
// the event loop first comes back idle after the main window was shown; the parent times
// it from just before the spawn and reads the child's peak resident size from wait4().

#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Runs = 10;
// Per language: Chinese also loads a CJK font for its texts.
struct Target {
    double ms;
    double mib;
};
constexpr Target EnglishTarget{30.0, 40.0};
constexpr Target ChineseTarget{40.0, 45.0};
const char* const ChildFlag = "--child";

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Milestones of one start, in ms from just before the spawn.
struct Start {
    double application = 0; // QApplication constructed (libraries loaded and relocated)
    double initialised = 0; // Application::start returned: Program.ini, language, main window shown
    double painted = 0;     // the main window's first paint
    double idle = 0;        // the event loop came back idle after that paint
    double peakMiB = 0;
};

// Notes the first paint of a widget in the main window, then the first idle after it.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void()> whenIdle) : whenIdle_(std::move(whenIdle)) {}
    double paintedAt() const { return paintedAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (paintedAt_ == 0 && event->type() == QEvent::Paint && watched->isWidgetType() &&
            qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window())) {
            paintedAt_ = nowMs();
            QTimer::singleShot(0, whenIdle_);
        }
        return false;
    }

private:
    std::function<void()> whenIdle_;
    double paintedAt_ = 0;
};

// The child: start as main() does, then write the milestones to the pipe and leave.
int runChild(int argc, char* argv[], const QString& iniFile, double spawnedAt, int reportFd)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xr970"));
    QApplication::setOrganizationName(QStringLiteral("xr970"));
    const double constructed = nowMs();
    double initialised = 0;
    PaintWatch watch([&] {
        const double idle = nowMs();
        char line[160];
        const int length =
            std::snprintf(line, sizeof line, "%.3f %.3f %.3f %.3f\n", constructed - spawnedAt,
                          initialised - spawnedAt, watch.paintedAt() - spawnedAt, idle - spawnedAt);
        if (write(reportFd, line, static_cast<std::size_t>(length)) != length)
            std::perror("bench_startup: report");
        QApplication::quit();
    });
    application.installEventFilter(&watch);

    const QString exeDir = QApplication::applicationDirPath();
    Application program;
    if (!program.start({iniFile, exeDir, QString()}, {}))
        return 1;
    initialised = nowMs();
    return QApplication::exec();
}

// One run: spawn the child, read its milestones, reap it with its resource usage.
bool runOnce(const char* self, const std::string& iniFile, Start& start, bool quiet)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const double before = nowMs();
    const std::string spawned = std::to_string(before);
    const std::string fd = std::to_string(fds[1]);
    std::array<char*, 6> args{const_cast<char*>(self),
                              const_cast<char*>(ChildFlag),
                              const_cast<char*>(iniFile.c_str()),
                              const_cast<char*>(spawned.c_str()),
                              const_cast<char*>(fd.c_str()),
                              nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, self, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawnError != 0) {
        close(fds[0]);
        return false;
    }
    char line[128] = {};
    std::size_t got = 0;
    for (ssize_t n; got + 1 < sizeof line && (n = read(fds[0], line + got, sizeof line - 1 - got)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    start.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return std::sscanf(line, "%lf %lf %lf %lf", &start.application, &start.initialised, &start.painted,
                       &start.idle) == 4;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// A private copy of the Program.ini beside this executable, in the given language.
std::string programIni(const QTemporaryDir& dir, const QString& language)
{
    QFile original(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Program.ini")));
    QSaveFile copy(dir.filePath(language + QStringLiteral(".ini")));
    if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        return {};
    QByteArray text = original.readAll();
    text.replace("Language=English", "Language=" + language.toLatin1());
    copy.write(text);
    return copy.commit() ? copy.fileName().toStdString() : std::string();
}

bool measure(const char* self, const std::string& iniFile, const char* language, Target target)
{
    std::vector<Start> starts;
    Start warmUp; // fills the file cache, so every measured run starts alike; shows warnings
    if (iniFile.empty() || !runOnce(self, iniFile, warmUp, false)) {
        std::fprintf(stderr, "bench_startup: the program did not start in %s\n", language);
        return false;
    }
    for (int i = 0; i < Runs; ++i) {
        Start start;
        if (!runOnce(self, iniFile, start, true)) {
            std::fprintf(stderr, "bench_startup: run %d in %s failed\n", i + 1, language);
            return false;
        }
        starts.push_back(start);
    }
    const auto medianOf = [&starts](double Start::*field) {
        std::vector<double> values;
        for (const Start& start : starts)
            values.push_back(start.*field);
        return median(values);
    };
    const double application = medianOf(&Start::application);
    const double initialised = medianOf(&Start::initialised);
    const double painted = medianOf(&Start::painted);
    const double idle = medianOf(&Start::idle);
    const double peak = medianOf(&Start::peakMiB);
    std::printf("%s\n", language);
    std::printf("  time         %7.1f ms   target < %.0f ms   %s\n", idle, target.ms,
                idle < target.ms ? "ok" : "MISSED");
    std::printf("  peak memory  %7.1f MiB  target < %.0f MiB  %s\n", peak, target.mib,
                peak < target.mib ? "ok" : "MISSED");
    std::printf("  of the time: libraries and QApplication %.1f ms, start %.1f ms,\n"
                "  first paint %.1f ms later, idle %.1f ms after it\n",
                application, initialised - application, painted - initialised, idle - painted);
    return idle < target.ms && peak < target.mib;
}

int runParent(int argc, char* argv[])
{
    // Every child starts alike: offscreen, with settings of its own and a private
    // Program.ini, so nothing of the user's or the build's changes.
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());

    std::printf("Start-up, process start to main window shown and idle (%s, median of %d runs)\n",
                qgetenv("QT_QPA_PLATFORM").constData(), Runs);
    bool met = measure(argv[0], programIni(dir, QStringLiteral("English")), "English", EnglishTarget);
    met = measure(argv[0], programIni(dir, QStringLiteral("Chinese")), "Chinese", ChineseTarget) && met;
    return met ? 0 : 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], ChildFlag) == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]), std::atof(argv[3]), std::atoi(argv[4]));
    return runParent(argc, argv);
}
