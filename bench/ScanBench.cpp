// The folder scan of a generated card, whole and in pieces, on a card with small and one with huge media.
// Steadier figures on a shared machine: ./dev bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// (the summary then uses the medians).
#include <benchmark/benchmark.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "bench/AtomFloor.h"
#include "bench/BenchCard.h"
#include "catalogue/CRecordingCatalog.h"
#include "catalogue/FileAttributes.h"
#include "catalogue/FolderWalk.h"
#include "telemetry/CTarvo3gpParser.h"

namespace {

constexpr int kRecordings = 1000;
constexpr int kGroups = 20;  // the card's drives: a stop after every 50 recordings
constexpr uint64_t kMiB = 1024 * 1024;

struct CardSize {
    const char* label;
    uint64_t mdatPayload;
};
constexpr CardSize kSizes[] = {{"1MB", kMiB}, {"1GB", 1024 * kMiB}};

std::unique_ptr<BenchCard> g_cards[2];

// Ctrl-C or a kill during a run still removes the cards. Not async-signal-safe in theory; the main
// thread is only ever inside the measured loops here, and a card left behind is the worse outcome.
void RemoveCardsAndExit(int sig) {
    for (auto& c : g_cards) c.reset();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void CountFiles(benchmark::State& state, int64_t perIteration) {
    state.counters["files/s"] = benchmark::Counter(double(perIteration), benchmark::Counter::kIsIterationInvariantRate);
}

// The player's path: walk, examine every file, sort, group.
void ScanCard(benchmark::State& state, const BenchCard* card) {
    for (auto _ : state) {
        CRecordingCatalog catalog;
        catalog.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
        if (!catalog.Load(card->Root()) || catalog.Entries().size() != size_t(kRecordings) ||
            catalog.Groups().size() != size_t(kGroups)) {
            state.SkipWithError("the scan did not list every recording in its drive");
            break;
        }
    }
    CountFiles(state, kRecordings);
}

// The walk alone: the folder listings, no file opened.
void WalkCard(benchmark::State& state, const BenchCard* card) {
    static const FolderSource kFileSystem;
    for (auto _ : state) {
        int files = 0;
        WalkFolder(
            card->Root(), [&](const std::string&, const std::string&, const std::string&, bool dir) {
                files += dir ? 0 : 1;
                return true;
            },
            kFileSystem);
        if (files != kRecordings) {
            state.SkipWithError("the walk did not report every file");
            break;
        }
    }
    CountFiles(state, kRecordings);
}

// One file per iteration, taking the card's files in turn.
template <typename Fn>
void EachFile(benchmark::State& state, const BenchCard* card, Fn fn) {
    const auto& files = card->Files();
    size_t i = 0;
    for (auto _ : state) {
        if (!fn(files[i])) {
            state.SkipWithError(("not read: " + files[i]).c_str());
            break;
        }
        i = (i + 1) % files.size();
    }
    CountFiles(state, 1);
}

void ParseOne(benchmark::State& state, const BenchCard* card) {
    EachFile(state, card, [](const std::string& path) {
        VideoInfo info;
        CTarvo3gpParser reader;
        reader.SetVideoInfo(&info);
        return reader.Parse(path) == 0;
    });
}

void AttributesOne(benchmark::State& state, const BenchCard* card) {
    EachFile(state, card, [](const std::string& path) { return fileattr::Get(path) != fileattr::kInvalid; });
}

void FloorOne(benchmark::State& state, const BenchCard* card) {
    EachFile(state, card, [](const std::string& path) {
        const uint64_t sum = ReadAtomsOnly(path);
        benchmark::DoNotOptimize(sum);
        return sum != 0;
    });
}

// Keeps the real time per iteration of every benchmark for the closing summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The median of repeated runs when there are repetitions, else the last run.
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations <= 0) continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (median || (r.run_type == Run::RT_Iteration && !m_fromMedian.count(r.run_name.function_name)))
                m_seconds[r.run_name.function_name] = r.real_accumulated_time / double(r.iterations);
            if (median) m_fromMedian.insert(r.run_name.function_name);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Seconds(const std::string& name) const {
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> m_seconds;
    std::set<std::string> m_fromMedian;
};

std::string CpuName() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("model name")) return line.substr(line.find(':') + 2);
    return "unknown";
}

void PrintSummary(const SummaryReporter& r) {
    std::printf("\nSummary (%d recordings per card, warm cache)\n", kRecordings);
    double scan[2] = {};
    for (int i = 0; i < 2; ++i) {
        const std::string label = kSizes[i].label;
        scan[i] = r.Seconds("Scan/" + label);
        std::string line = "  " + label + " card:";
        char part[160];
        const auto add = [&](const char* format, double value) {
            if (value <= 0) return;
            std::snprintf(part, sizeof part, format, value);
            line += part;
        };
        add(" %.2f ms per scan,", scan[i] * 1e3);
        add(" %.0f files/s,", scan[i] > 0 ? kRecordings / scan[i] : 0);
        line += " per file:";
        add(" scan %.1f us,", scan[i] / kRecordings * 1e6);
        add(" reader %.1f us,", r.Seconds("ParseOne/" + label) * 1e6);
        add(" attributes %.1f us,", r.Seconds("AttributesOne/" + label) * 1e6);
        add(" walk %.2f us,", r.Seconds("Walk/" + label) / kRecordings * 1e6);
        const double floor = r.Seconds("ReadAtomsOnly/" + label);
        add(" floor (open + read atoms) %.1f us,", floor * 1e6);
        if (scan[i] > 0 && floor > 0) add(" scan / floor %.2f", scan[i] / kRecordings / floor);
        if (line.back() == ',') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
    if (scan[0] > 0 && scan[1] > 0)
        std::printf("  scan time ratio 1GB / 1MB card: %.3f (%s the 10 %% bound)\n", scan[1] / scan[0],
                    scan[1] / scan[0] <= 1.10 ? "within" : "OUTSIDE");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const char* tmp = std::getenv("TMPDIR");
    const std::string parent = tmp && *tmp ? tmp : "/tmp";
    std::signal(SIGINT, RemoveCardsAndExit);
    std::signal(SIGTERM, RemoveCardsAndExit);
    try {
        for (int i = 0; i < 2; ++i) g_cards[i] = std::make_unique<BenchCard>(parent, kRecordings, kSizes[i].mdatPayload);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvik-bench: %s\n", e.what());
        for (auto& c : g_cards) c.reset();
        return 1;
    }

    utsname u {};
    ::uname(&u);
    benchmark::AddCustomContext("machine", CpuName() + ", " + std::to_string(::sysconf(_SC_NPROCESSORS_ONLN)) +
                                               " CPUs, Linux " + u.release);
    for (int i = 0; i < 2; ++i) {
        const BenchCard* card = g_cards[i].get();
        const std::string label = kSizes[i].label;
        char sizes[160];
        std::snprintf(sizes, sizeof sizes, "%.1f GiB apparent, %.1f MiB on disk", card->ApparentBytes() / double(kMiB * 1024),
                      card->DiskBytes() / double(kMiB));
        benchmark::AddCustomContext("card " + label, card->Root() + ": " + sizes);
    }
    // Dirty pages of the new cards are written back first, and each card is scanned once, so every
    // measurement starts from the same warm cache.
    ::sync();
    for (const auto& card : g_cards) {
        CRecordingCatalog warmUp;
        warmUp.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
        warmUp.Load(card->Root());
    }
    // Each piece on both cards side by side.
    const auto both = [](const char* name, void (*fn)(benchmark::State&, const BenchCard*), benchmark::TimeUnit unit) {
        for (int i = 0; i < 2; ++i)
            benchmark::RegisterBenchmark((std::string(name) + "/" + kSizes[i].label).c_str(), fn, g_cards[i].get())
                ->Unit(unit)
                ->UseRealTime();
    };
    both("Scan", ScanCard, benchmark::kMillisecond);
    both("Walk", WalkCard, benchmark::kMillisecond);
    both("ParseOne", ParseOne, benchmark::kMicrosecond);
    both("AttributesOne", AttributesOne, benchmark::kMicrosecond);
    both("ReadAtomsOnly", FloorOne, benchmark::kMicrosecond);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    for (auto& c : g_cards) c.reset();
    return 0;
}
