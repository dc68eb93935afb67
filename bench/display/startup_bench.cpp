// From process start to the first painted window: each iteration starts
// the probe (the whole program, leaving at its first paint) in an empty
// folder and waits for it. Reports the probe's peak resident memory too.
// Offscreen unless a display is given (DISPLAY with QT_QPA_PLATFORM=xcb).
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Runs the probe in `dir`; its output (peak RSS in kB), or -1 on failure.
long runProbe(const std::filesystem::path& dir) {
  int out[2];
  if (pipe(out) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    if (chdir(dir.c_str()) != 0) _exit(127);
    execl(QZ_STARTUP_PROBE, QZ_STARTUP_PROBE, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char buf[64] = {};
  const ssize_t n = read(out[0], buf, sizeof buf - 1);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::atol(buf);
}

void BM_StartToFirstPaint(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "qz_startup_bench";
  std::filesystem::create_directories(dir);
  long rss = 0;
  for (auto _ : state) {
    std::filesystem::remove(dir / u8"QZ氷結将棋.ini");  // a first start writes the defaults
    rss = runProbe(dir);
    if (rss < 0) {
      state.SkipWithError("the probe failed");
      break;
    }
  }
  state.counters["peak_rss_MB"] = static_cast<double>(rss) / 1024.0;
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (std::getenv("SDL_AUDIODRIVER") == nullptr) setenv("SDL_AUDIODRIVER", "dummy", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
