#pragma once
// The benchmark's phases through the catalogue engine: a 111-byte record
// file and a K = 15 index without duplicates, each phase opening and
// closing both files.

#include <string>

#include "bench/bench_workload.h"

namespace vortena::bench {

// DOS paths of the two files (on the drive that VORTENA_DRIVE_C maps).
PhaseTimes runEnginePhases(const Workload& w, const std::string& dataPath, const std::string& indexPath);

// Builds N goods records with a WIN-TOV entry each, then times the
// repricing export and a floor that reads and writes every goods and
// WIN-TOV record once with positioned transfers. Seconds: {engine, floor}.
std::array<double, 2> runRepricing(const Workload& w);

}  // namespace vortena::bench
