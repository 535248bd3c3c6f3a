#pragma once
// The catalogue benchmark's data, the same for the engine and for SQLite:
// key i is the 15-digit zero-padded decimal of (i * 2654435761) mod 2^32
// (a multiplicative hash, so insertion order is scattered over the key
// space), record i is 111 bytes with byte j = (i + j) mod 251, and the
// lookup and removal phases visit key (j * 7919) mod N for j = 0 .. N-1.

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vortena::bench {

inline constexpr int kRecordLength = 111;
inline constexpr int kKeyLength = 15;
// Bytes 74 to 85 are what the update phase changes.
inline constexpr int kUpdateFrom = 74;
inline constexpr int kUpdateTo = 85;

using Record = std::array<std::uint8_t, kRecordLength>;

struct Workload {
  explicit Workload(int n) : count(n) {
    keys.reserve(static_cast<std::size_t>(n));
    records.resize(static_cast<std::size_t>(n));
    probeOrder.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      const auto hash = static_cast<std::uint32_t>(static_cast<std::uint64_t>(i) * 2654435761u);
      char text[32];
      std::snprintf(text, sizeof text, "%015lu", static_cast<unsigned long>(hash));
      keys.emplace_back(text);
      for (int j = 0; j < kRecordLength; ++j)
        records[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = static_cast<std::uint8_t>((i + j) % 251);
      probeOrder[static_cast<std::size_t>(i)] = static_cast<int>((static_cast<std::int64_t>(i) * 7919) % n);
    }
  }

  int count;
  std::vector<std::string> keys;
  std::vector<Record> records;
  std::vector<int> probeOrder;  // the key visited at step j
};

// The update's change, the same on both sides.
inline void updateRecord(std::uint8_t* record) {
  for (int j = kUpdateFrom; j <= kUpdateTo; ++j) record[j] = static_cast<std::uint8_t>(record[j] ^ 0x5A);
}

class Stopwatch {
 public:
  Stopwatch() : m_start(std::chrono::steady_clock::now()) {}
  double seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
  }

 private:
  std::chrono::steady_clock::time_point m_start;
};

// Seconds of each phase of one repetition, in phase order.
inline constexpr int kPhaseCount = 5;
inline constexpr const char* kPhaseNames[kPhaseCount] = {"insert", "lookup", "scan", "update", "remove"};
using PhaseTimes = std::array<double, kPhaseCount>;

// A failed consistency check inside a phase: the figures would be worthless.
[[noreturn]] void benchFailure(const char* what);

}  // namespace vortena::bench
