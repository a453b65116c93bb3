// Benchmarks vantrel.exe against the bare reference program beside it:
// both start alternately, after a warm-up, and the table shows the median
// of each figure for both and the ratio program / reference.
//   vantrel_bench [RUNS]   RUNS starts of each, 15 unless given
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Measure.h"
#include "bench/Median.h"

namespace {

constexpr int kWarmUpRounds = 2;
constexpr double kMaxLatencyRatio = 1.05;
constexpr double kMaxMemoryRatio = 1.05;
constexpr double kMaxFileBytes = 24 * 1024;

struct Sample {
  std::string exe;
  std::vector<RunFigures> runs;
};

std::string BesideMe(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

double FileBytes(const std::string& exe) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(exe.c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return static_cast<double>(data.nFileSizeLow);
}

template <typename Figure>
double MedianOf(const Sample& sample, Figure figure) {
  std::vector<double> values;
  for (const RunFigures& run : sample.runs) values.push_back(figure(run));
  return Median(values);
}

// A row; a goal on the ratio when maxRatio > 0, else on the program's own
// value when maxValue > 0.
void Row(const char* name, double program, double reference, double maxRatio,
         double maxValue, const char* goal) {
  const double ratio = reference > 0 ? program / reference : 0;
  const char* verdict = "";
  if (maxRatio > 0) verdict = ratio <= maxRatio ? "met" : "missed";
  if (maxValue > 0) verdict = program <= maxValue ? "met" : "missed";
  std::printf("| %-30s | %11.1f | %11.1f | %5.3f | %-16s | %-6s |\n", name,
              program, reference, ratio, goal, verdict);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
  Sample program{BesideMe("vantrel.exe"), {}};
  Sample reference{BesideMe("vantrel_reference.exe"), {}};

  for (int round = 0; round < kWarmUpRounds + runs; ++round) {
    // Each round swaps who goes first, so neither always runs second.
    Sample* order[2] = {&program, &reference};
    if (round % 2 == 1) std::swap(order[0], order[1]);
    for (Sample* sample : order) {
      RunFigures figures;
      std::string error;
      if (!MeasureOnce(sample->exe, figures, error)) {
        std::fprintf(stderr, "%s, round %d: no %s\n", sample->exe.c_str(),
                     round, error.c_str());
        return 1;
      }
      if (round >= kWarmUpRounds) sample->runs.push_back(figures);
    }
  }

  const auto startup = [](const RunFigures& r) { return r.startupMs; };
  const auto click = [](const RunFigures& r) { return r.clickMs; };
  const auto peak = [](const RunFigures& r) {
    return static_cast<double>(r.peakWorkingSet) / 1024;
  };
  const auto privateBytes = [](const RunFigures& r) {
    return static_cast<double>(r.privateBytes) / 1024;
  };

  std::printf("Medians of %d starts each, after %d warm-up rounds.\n\n", runs,
              kWarmUpRounds);
  std::printf("| %-30s | %11s | %11s | %5s | %-16s | %-6s |\n", "figure",
              "vantrel.exe", "reference", "ratio", "goal", "");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(32, '-').c_str(),
              std::string(12, '-').append(":").c_str(),
              std::string(12, '-').append(":").c_str(),
              std::string(6, '-').append(":").c_str(),
              std::string(18, '-').c_str(), std::string(8, '-').c_str());
  Row("start-up to focus, ms", MedianOf(program, startup),
      MedianOf(reference, startup), kMaxLatencyRatio, 0, "ratio <= 1.05");
  Row("click to message box, ms", MedianOf(program, click),
      MedianOf(reference, click), kMaxLatencyRatio, 0, "ratio <= 1.05");
  Row("peak working set, KiB", MedianOf(program, peak),
      MedianOf(reference, peak), 0, 0, "-");
  Row("private bytes, KiB", MedianOf(program, privateBytes),
      MedianOf(reference, privateBytes), kMaxMemoryRatio, 0, "ratio <= 1.05");
  Row("file size, bytes", FileBytes(program.exe), FileBytes(reference.exe), 0,
      kMaxFileBytes, "<= 24576");
  return 0;
}
