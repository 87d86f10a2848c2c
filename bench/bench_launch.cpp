// The benchmark launcher: starts the driver and the two baselines in turn,
// many times, each with the launcher's clock reading at its start, collects
// their figures and prints the medians and the ratios to each baseline.
//   bench_launch RUNS DRIVER BASELINE EMPTY
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frame_clock.h"

extern char** environ;

namespace {

using Figures = std::map<std::string, double>;

// Runs the program once and reads its "key=value ..." line.
Figures RunOnce(const std::string& program) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};
  pid_t pid = 0;
  // The clock reading, taken just before the process starts.
  std::string stamp = "TARVEL_BENCH_START_NS=" + std::to_string(bench::Now());
  envp.back() = stamp.data();
  envp.push_back(nullptr);
  if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data()) != 0) std::exit(2);
  close(out[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", program.c_str());
    std::exit(1);
  }
  Figures figures;
  std::istringstream words(text);
  for (std::string word; words >> word;)
    if (auto eq = word.find('='); eq != std::string::npos) figures[word.substr(0, eq)] = std::atof(word.c_str() + eq + 1);
  return figures;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: bench_launch RUNS DRIVER BASELINE EMPTY\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::map<std::string, std::vector<double>> driver, baseline, empty;
  for (int i = 0; i < runs; ++i) {
    for (auto& [k, v] : RunOnce(argv[3])) baseline[k].push_back(v);
    for (auto& [k, v] : RunOnce(argv[4])) empty[k].push_back(v);
    for (auto& [k, v] : RunOnce(argv[2])) driver[k].push_back(v);
  }
  const double frame = Median(driver["first_frame_ms"]);
  const double baseFrame = Median(baseline["first_frame_ms"]);
  const double emptyFrame = Median(empty["first_frame_ms"]);
  const double rssFirst = Median(driver["rss_first_kb"]) / 1024.0;
  const double baseRss = Median(baseline["rss_first_kb"]) / 1024.0;
  const double emptyRss = Median(empty["rss_first_kb"]) / 1024.0;
  const double rssEnd = Median(driver["rss_end_kb"]) / 1024.0;
  const double press = Median(driver["press_median_ms"]);
  const double pressMax = Median(driver["press_max_ms"]);
  const double settled = Median(driver["settled_press_median_ms"]);
  const double settledMax = Median(driver["settled_press_max_ms"]);
  std::printf("medians of %d runs each; baselines: a bare Qt window showing the greeting picture stretched, and an "
              "empty Qt window of the same size\n",
              runs);
  std::printf("  first complete frame: %.1f ms; greeting window %.1f ms, ratio %.2f; empty window %.1f ms, ratio %.2f "
              "(goal <= 1.20)\n",
              frame, baseFrame, frame / baseFrame, emptyFrame, frame / emptyFrame);
  std::printf("  press to repainted frame, right after the first frame: %.3f ms (median per run; slowest press %.3f "
              "ms) (goal <= 1 ms)\n",
              press, pressMax);
  std::printf("  press to repainted frame, once the window has settled: %.3f ms (slowest press %.3f ms)\n", settled,
              settledMax);
  std::printf("  peak resident memory at the first frame: %.1f MB; greeting window %.1f MB, %+.1f MB; empty window "
              "%.1f MB, %+.1f MB (goal <= +5 MB)\n",
              rssFirst, baseRss, rssFirst - baseRss, emptyRss, rssFirst - emptyRss);
  std::printf("  peak resident memory after the presses: %.1f MB, %+.1f MB against the empty window\n", rssEnd,
              rssEnd - emptyRss);
  return 0;
}
