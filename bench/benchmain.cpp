// Runs every benchmark, then prints each one's median time, wall and CPU, beside the
// baseline of its group ("group/baseline") measured in the same run, the ratio of the
// two, and the goal it is held to: absolute times on a shared machine drift, ratios
// much less. Unless told otherwise each benchmark runs five times and the median counts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A goal: at most `limit` milliseconds, or at most `limit` times the baseline.
struct Goal {
    double limit = 0;
    bool ratio = false;
};

Goal goalof(const std::string& name)
{
    const std::string group = name.substr(0, name.find('/'));
    const std::string step = name.substr(name.find('/') + 1);
    if (name == "image/loadrom" || name == "save/saverom")
        return {1.5, true};
    static const char* const windows[] = {"players", "teams", "lines",    "uniform", "banner",
                                          "playoffs", "menu", "bannertext", "commit",  "undobanner", "undoroster"};
    for (const char* w : windows) {
        if (group == w && step != "baseline")
            return {step == "Open" ? 8.0 : 4.0, false};
    }
    return {};
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                times_.push_back({run.run_name.str(), milliseconds(run, run.GetAdjustedRealTime()),
                                  milliseconds(run, run.GetAdjustedCPUTime())});
        }
    }

    void printRatios() const
    {
        std::map<std::string, const Time*> baseline;
        for (const Time& t : times_) {
            if (t.name.ends_with("/baseline"))
                baseline[t.name.substr(0, t.name.find('/'))] = &t;
        }
        std::printf("\n%-26s %10s %10s %10s %10s %8s %8s  %s\n", "median of each", "wall ms", "CPU ms", "base wall",
                    "base CPU", "x wall", "x CPU", "goal");
        for (const Time& t : times_) {
            const auto it = baseline.find(t.name.substr(0, t.name.find('/')));
            if (t.name.ends_with("/baseline") || it == baseline.end())
                continue;
            const Time& b = *it->second;
            const double xwall = b.wall > 0 ? t.wall / b.wall : 0;
            const double xcpu = b.cpu > 0 ? t.cpu / b.cpu : 0;
            std::printf("%-26s %10.4g %10.4g %10.4g %10.4g %8.3g %8.3g  %s\n", t.name.c_str(), t.wall, t.cpu, b.wall,
                        b.cpu, xwall, xcpu, verdict(goalof(t.name), t, xwall, xcpu).c_str());
        }
    }

private:
    struct Time {
        std::string name;
        double wall, cpu;  // milliseconds
    };

    static double milliseconds(const Run& run, double time)
    {
        return time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    }

    // Met when the wall time meets the goal; "CPU only" when the machine's load alone
    // pushed the wall time past it.
    static std::string verdict(const Goal& goal, const Time& t, double xwall, double xcpu)
    {
        if (goal.limit <= 0)
            return {};
        char text[64];
        const double wall = goal.ratio ? xwall : t.wall;
        const double cpu = goal.ratio ? xcpu : t.cpu;
        const char* met = wall <= goal.limit ? "met" : cpu <= goal.limit ? "met on CPU only" : "NOT MET";
        std::snprintf(text, sizeof text, "<= %.1f%s: %s", goal.limit, goal.ratio ? "x" : " ms", met);
        return text;
    }

    std::vector<Time> times_;
};

// The offscreen platform's notes about what it cannot do would bury the results.
void quietoffscreen(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietoffscreen);
    QApplication app(argc, argv);
    // The measured windows remember files and places: in a folder of the run's own.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    std::vector<char*> args(argv, argv + argc);
    bool repetitions = false;
    for (char* arg : args)
        repetitions = repetitions || std::strncmp(arg, "--benchmark_repetitions", 23) == 0;
    static char fiveruns[] = "--benchmark_repetitions=5";
    static char mediansonly[] = "--benchmark_report_aggregates_only=true";
    if (!repetitions) {
        args.push_back(fiveruns);
        args.push_back(mediansonly);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
