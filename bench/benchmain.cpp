// Runs every benchmark, then prints each one's time as a ratio to the baseline of its
// group ("group/baseline"), measured in the same run: absolute times on shared
// machines drift, ratios much less.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_.emplace_back(run.benchmark_name(), run.GetAdjustedRealTime());
        }
    }

    void printRatios() const
    {
        std::map<std::string, double> baseline;
        for (const auto& [name, time] : times_) {
            if (name.ends_with("/baseline"))
                baseline[name.substr(0, name.find('/'))] = time;
        }
        std::printf("\n%-40s %12s\n", "benchmark", "x baseline");
        for (const auto& [name, time] : times_) {
            const auto it = baseline.find(name.substr(0, name.find('/')));
            if (it != baseline.end() && !name.ends_with("/baseline") && it->second > 0)
                std::printf("%-40s %12.2f\n", name.c_str(), time / it->second);
        }
    }

private:
    std::vector<std::pair<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
