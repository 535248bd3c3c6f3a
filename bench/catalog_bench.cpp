// catalog_bench [N]: the catalogue engine against SQLite on the same
// workload (bench_workload.h), and the VAT repricing against the floor of
// one positioned read and write per record. Prints one line per phase,
// best of five repetitions, each on fresh files:
//   phase=NAME n=N engine_s=X sqlite_s=Y ratio=X/Y
//   phase=reprice n=N engine_s=X floor_s=Y ratio=X/Y
// The files lie in a fresh folder under the temporary folder, which serves
// as drive C: for the engine.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

#include <unistd.h>

#include "bench/bench_workload.h"
#include "bench/engine_phases.h"
#include "bench/sqlite_phases.h"
#include "catalog/record_file.h"
#include "platform/drive_map.h"

namespace vortena::bench {

void benchFailure(const char* what) {
  std::fprintf(stderr, "catalog_bench: %s\n", what);
  std::exit(2);
}

}  // namespace vortena::bench

namespace {

namespace fs = std::filesystem;
using namespace vortena::bench;

constexpr int kRepetitions = 5;
constexpr int kDefaultCount = 30000;

void printLine(const char* phase, int n, const char* otherName, double engine, double other) {
  std::printf("phase=%s n=%d engine_s=%.4f %s_s=%.4f ratio=%.3f\n", phase, n, engine, otherName, other,
              other > 0 ? engine / other : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  int n = kDefaultCount;
  if (argc > 1) {
    char* end = nullptr;
    const long value = std::strtol(argv[1], &end, 10);
    // Record numbers are 16-bit signed and record 0 is the header.
    if (*end != '\0' || value < 1 || value >= vortena::catalog::kMaxRecordNumber) {
      std::fprintf(stderr, "usage: catalog_bench [N], 1 <= N < %d\n", vortena::catalog::kMaxRecordNumber);
      return 2;
    }
    n = static_cast<int>(value);
  }

  std::error_code ec;
  const fs::path drive = fs::temp_directory_path() / ("catalog_bench." + std::to_string(::getpid()));
  fs::create_directories(drive / "BENCH", ec);
  fs::create_directories(drive / "DOVODO" / "DATA", ec);
  if (ec) benchFailure("cannot create the scratch folder");
  ::setenv("VORTENA_DRIVE_C", drive.c_str(), 1);
  const std::string dataPath = "C:\\BENCH\\BENCH.DAT";
  const std::string indexPath = "C:\\BENCH\\BENCH.IND";
  const std::string sqlitePath = (drive / "BENCH" / "bench.sqlite").string();

  const Workload w(n);
  PhaseTimes bestEngine, bestSqlite;
  bestEngine.fill(std::numeric_limits<double>::max());
  bestSqlite.fill(std::numeric_limits<double>::max());
  double bestReprice = std::numeric_limits<double>::max();
  double bestFloor = std::numeric_limits<double>::max();
  for (int r = 0; r < kRepetitions; ++r) {
    fs::remove(vortena::hostPath(dataPath), ec);
    fs::remove(vortena::hostPath(indexPath), ec);
    const PhaseTimes e = runEnginePhases(w, dataPath, indexPath);
    const PhaseTimes s = runSqlitePhases(w, sqlitePath);
    for (int p = 0; p < kPhaseCount; ++p) {
      bestEngine[p] = std::min(bestEngine[p], e[p]);
      bestSqlite[p] = std::min(bestSqlite[p], s[p]);
    }
    const auto reprice = runRepricing(w);
    bestReprice = std::min(bestReprice, reprice[0]);
    bestFloor = std::min(bestFloor, reprice[1]);
  }
  for (int p = 0; p < kPhaseCount; ++p) printLine(kPhaseNames[p], n, "sqlite", bestEngine[p], bestSqlite[p]);
  printLine("reprice", n, "floor", bestReprice, bestFloor);
  fs::remove_all(drive, ec);
  return 0;
}
