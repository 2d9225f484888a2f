// Start-up to the launcher shown, against a minimal Qt program that shows one
// label of Japanese text: both run as whole processes on the offscreen
// platform, in turn within each iteration, so that both see the same machine.
// Figures: wall time and peak resident memory of each, and their ratios.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    double peakMiB = 0; // resident set at its largest
};

std::optional<Run> RunOnce(const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return Run{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
               static_cast<double>(usage.ru_maxrss) / 1024.0}; // ru_maxrss is in KiB
}

void StartupSideBySide(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Run bare, launcher;
    for (auto _ : state) {
        const std::optional<Run> b = RunOnce(VARNOK_BARE_PROBE);
        const std::optional<Run> l = RunOnce(VARNOK_STARTUP_PROBE);
        if (!b || !l) {
            state.SkipWithError("a probe did not start and end cleanly");
            return;
        }
        bare.seconds += b->seconds;
        bare.peakMiB += b->peakMiB;
        launcher.seconds += l->seconds;
        launcher.peakMiB += l->peakMiB;
        state.SetIterationTime(l->seconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bare.seconds / n;
    state.counters["launcher_ms"] = 1000 * launcher.seconds / n;
    state.counters["time_ratio"] = launcher.seconds / bare.seconds;
    state.counters["bare_MiB"] = bare.peakMiB / n;
    state.counters["launcher_MiB"] = launcher.peakMiB / n;
    state.counters["memory_ratio"] = launcher.peakMiB / bare.peakMiB;
}

} // namespace

BENCHMARK(StartupSideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
