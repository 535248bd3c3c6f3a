#pragma once
// The benchmark's phases through SQLite on the same data: one table with a
// UNIQUE index on the key, journal and synchronous writes off, prepared
// statements, one transaction per phase, a connection opened and closed
// per phase like the engine's files.

#include <string>

#include "bench/bench_workload.h"

namespace vortena::bench {

PhaseTimes runSqlitePhases(const Workload& w, const std::string& databasePath);

}  // namespace vortena::bench
