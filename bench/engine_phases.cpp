#include "bench/engine_phases.h"

#include <cstring>

#include "catalog/catalog_state.h"
#include "catalog/key_index.h"
#include "catalog/record_file.h"
#include "catalog/vat_repricing.h"
#include "common/real6.h"
#include "platform/dos_file.h"

namespace vortena::bench {

using namespace vortena::catalog;

namespace {

void requireOk(const char* what) {
  if (!OperationOk()) benchFailure(what);
}

double insertPhase(const Workload& w, const std::string& dataPath, const std::string& indexPath) {
  RecordFile data;
  KeyIndex index;
  Stopwatch clock;
  CreateRecordFile(data, dataPath, kRecordLength);
  CreateKeyIndex(index, indexPath, kKeyLength, false);
  for (int i = 0; i < w.count; ++i) {
    const int n = InsertRecord(data, w.records[static_cast<std::size_t>(i)].data());
    ShortString key(w.keys[static_cast<std::size_t>(i)]);
    InsertKey(index, n, key);
    requireOk("engine insert: key refused");
  }
  CloseRecordFile(data);
  CloseKeyIndex(index);
  return clock.seconds();
}

double lookupPhase(const Workload& w, const std::string& dataPath, const std::string& indexPath) {
  RecordFile data;
  KeyIndex index;
  Record record{};
  Stopwatch clock;
  OpenRecordFile(data, dataPath, kRecordLength);
  OpenKeyIndex(index, indexPath, kKeyLength, false);
  for (int j = 0; j < w.count; ++j) {
    const auto i = static_cast<std::size_t>(w.probeOrder[static_cast<std::size_t>(j)]);
    ShortString key(w.keys[i]);
    int ref = 0;
    LookupKey(index, ref, key);
    requireOk("engine lookup: key missing");
    ReadRecord(data, ref, record.data());
    if (record[0] != w.records[i][0]) benchFailure("engine lookup: wrong record");
  }
  CloseRecordFile(data);
  CloseKeyIndex(index);
  return clock.seconds();
}

double scanPhase(const Workload& w, const std::string& dataPath, const std::string& indexPath, bool update) {
  RecordFile data;
  KeyIndex index;
  Record record{};
  int seen = 0;
  Stopwatch clock;
  OpenRecordFile(data, dataPath, kRecordLength);
  OpenKeyIndex(index, indexPath, kKeyLength, false);
  RewindKeys(index);
  for (;;) {
    ShortString key;
    int ref = 0;
    StepKey(index, ref, key);
    if (!OperationOk()) break;
    ReadRecord(data, ref, record.data());
    if (update) {
      updateRecord(record.data());
      WriteRecord(data, ref, record.data());
    }
    ++seen;
  }
  CloseRecordFile(data);
  CloseKeyIndex(index);
  const double s = clock.seconds();
  if (seen != w.count) benchFailure("engine scan: wrong number of entries");
  return s;
}

double removePhase(const Workload& w, const std::string& dataPath, const std::string& indexPath) {
  RecordFile data;
  KeyIndex index;
  Stopwatch clock;
  OpenRecordFile(data, dataPath, kRecordLength);
  OpenKeyIndex(index, indexPath, kKeyLength, false);
  for (int j = 0; j < w.count; ++j) {
    ShortString key(w.keys[static_cast<std::size_t>(w.probeOrder[static_cast<std::size_t>(j)])]);
    int ref = 0;
    RemoveKey(index, ref, key);
    requireOk("engine remove: key missing");
    FreeRecord(data, ref);
  }
  const bool empty = index.file.rootPage() == 0;
  CloseRecordFile(data);
  CloseKeyIndex(index);
  const double s = clock.seconds();
  if (!empty) benchFailure("engine remove: index not empty at the end");
  return s;
}

// Goods records (111 bytes) as the repricing reads them: first text at 0,
// VAT category at 23, second text at 24, amount at 56, net price at 62.
void buildGoods(const Workload& w) {
  DosFile rates;
  std::uint8_t rateBytes[kVatRatesRecordLength];
  Real6::fromValue(19).copyTo(rateBytes);
  Real6::fromValue(23).copyTo(rateBytes + 6);
  Real6::fromValue(5).copyTo(rateBytes + 12);
  if (rates.open(kVatRatesPath, FileMode::CreateReadWrite) || rates.writeAt(0, rateBytes, sizeof rateBytes) ||
      rates.close())
    benchFailure("cannot write SADZDPH.DAT");

  RecordFile goods, winGoods;
  KeyIndex goodsIndex, winIndex;
  CreateRecordFile(goods, kGoodsDataPath, kGoodsRecordLength);
  CreateKeyIndex(goodsIndex, kGoodsIndexPath, kGoodsKeyLength, false);
  CreateRecordFile(winGoods, kWinGoodsDataPath, kWinGoodsRecordLength);
  CreateKeyIndex(winIndex, kWinGoodsIndexPath, kWinGoodsKeyLength, false);
  for (int i = 0; i < w.count; ++i) {
    const std::string& number = w.keys[static_cast<std::size_t>(i)];
    char name[32];
    // The name decides WIN-TOV.IND's order, unrelated to the goods number's.
    std::snprintf(name, sizeof name, "TOVAR %09d", w.probeOrder[static_cast<std::size_t>(i)]);
    std::uint8_t g[kGoodsRecordLength];
    std::memcpy(g, w.records[static_cast<std::size_t>(i)].data(), sizeof g);
    g[0] = static_cast<std::uint8_t>(number.size());
    std::memcpy(g + 1, number.data(), number.size());
    g[23] = static_cast<std::uint8_t>('1' + i % 3);
    g[24] = static_cast<std::uint8_t>(std::strlen(name));
    std::memcpy(g + 25, name, std::strlen(name));
    Real6::fromValue(i % 50).copyTo(g + 56);
    Real6::fromValue(i * 1.25L).copyTo(g + 62);
    const int n = InsertRecord(goods, g);
    ShortString goodsKey(number);
    InsertKey(goodsIndex, n, goodsKey);

    std::uint8_t win[kWinGoodsRecordLength];
    std::memcpy(win, g, sizeof win);
    const int m = InsertRecord(winGoods, win);
    ShortString winKey(std::string(name) + number);
    InsertKey(winIndex, m, winKey);
    requireOk("building WIN-TOV.IND: key refused");
  }
  CloseRecordFile(goods);
  CloseKeyIndex(goodsIndex);
  CloseRecordFile(winGoods);
  CloseKeyIndex(winIndex);
}

// The least any repricing must do: one positioned read and write of every
// goods record and of every WIN-TOV record.
double repricingFloor(const Workload& w) {
  DosFile goods, winGoods;
  std::uint8_t g[kGoodsRecordLength];
  std::uint8_t win[kWinGoodsRecordLength];
  Stopwatch clock;
  if (goods.open(kGoodsDataPath, FileMode::ReadWrite) || winGoods.open(kWinGoodsDataPath, FileMode::ReadWrite))
    benchFailure("floor: cannot open the goods files");
  for (int n = 1; n <= w.count; ++n) {
    const auto at = static_cast<std::uint64_t>(n);
    if (goods.readAt(at * sizeof g, g, sizeof g) || goods.writeAt(at * sizeof g, g, sizeof g) ||
        winGoods.readAt(at * sizeof win, win, sizeof win) || winGoods.writeAt(at * sizeof win, win, sizeof win))
      benchFailure("floor: transfer failed");
  }
  if (goods.close() || winGoods.close()) benchFailure("floor: close failed");
  return clock.seconds();
}

}  // namespace

PhaseTimes runEnginePhases(const Workload& w, const std::string& dataPath, const std::string& indexPath) {
  PhaseTimes t{};
  t[0] = insertPhase(w, dataPath, indexPath);
  t[1] = lookupPhase(w, dataPath, indexPath);
  t[2] = scanPhase(w, dataPath, indexPath, false);
  t[3] = scanPhase(w, dataPath, indexPath, true);
  t[4] = removePhase(w, dataPath, indexPath);
  return t;
}

std::array<double, 2> runRepricing(const Workload& w) {
  buildGoods(w);
  Stopwatch clock;
  ZmenSadzbyDPHVKataloguTovarov();
  const double engine = clock.seconds();
  return {engine, repricingFloor(w)};
}

}  // namespace vortena::bench
