// Start-up to the launcher shown, against a bare Qt program that shows one empty
// window, measured side by side as whole processes on the offscreen platform.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

bool runOnce(const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Startup(benchmark::State& state, const char* program) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!runOnce(program)) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

} // namespace

BENCHMARK_CAPTURE(Startup, BareQtWindow, VARNOK_BARE_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK_CAPTURE(Startup, LauncherShown, VARNOK_STARTUP_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

BENCHMARK_MAIN();
