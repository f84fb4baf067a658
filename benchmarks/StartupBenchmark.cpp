// Process start to first paint of the window, for Zorbika, for the floor of
// the same standard widgets and for an empty window, run in turn in one run
// so that all three see the same machine. Run it under Xvfb.

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakKib = 0;
};

// Starts `program` and waits for its probe's line: the clock and the peak
// memory at its first paint.
Sample startOnce(const char* program)
{
    int output[2];
    if (pipe(output) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    timespec started {};
    clock_gettime(CLOCK_MONOTONIC, &started);
    pid_t child = 0;
    char* argv[] = { const_cast<char*>(program), nullptr };
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return {};
    }
    std::array<char, 128> line {};
    const ssize_t length = read(output[0], line.data(), line.size() - 1);
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (length <= 0) {
        return {};
    }
    double paintedAt = 0;
    double peakKib = 0;
    if (std::sscanf(line.data(), "%lf %lf", &paintedAt, &peakKib) != 2) {
        return {};
    }
    const double startedAt
        = static_cast<double>(started.tv_sec) + static_cast<double>(started.tv_nsec) * 1e-9;
    return { (paintedAt - startedAt) * 1000.0, peakKib };
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_StartupToFirstPaint(benchmark::State& state)
{
    const std::array<const char*, 3> programs = { ZORBIKA_PROBED, FLOOR_PROBED, EMPTY_PROBED };
    std::array<std::vector<double>, 3> times;
    std::array<std::vector<double>, 3> peaks;
    std::size_t round = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        // Each program goes first as often as the others: the one after a
        // program's exit meets a server still tidying up after it.
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t i = (turn + round) % programs.size();
            const Sample sample = startOnce(programs[i]);
            if (sample.milliseconds <= 0) {
                state.SkipWithError("a program did not report its first paint");
                return;
            }
            times[i].push_back(sample.milliseconds);
            peaks[i].push_back(sample.peakKib);
        }
        ++round;
    }
    state.counters["zorbika_ms"] = median(times[0]);
    state.counters["floor_ms"] = median(times[1]);
    state.counters["empty_ms"] = median(times[2]);
    state.counters["vs_floor"] = median(times[0]) / median(times[1]);
    state.counters["zorbika_KiB"] = median(peaks[0]);
    state.counters["floor_KiB"] = median(peaks[1]);
    state.counters["empty_KiB"] = median(peaks[2]);
}

BENCHMARK(BM_StartupToFirstPaint)->Iterations(60)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
