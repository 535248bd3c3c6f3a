#include "catalog/record_file.h"

#include <algorithm>
#include <cstring>

#include "catalog/catalog_state.h"
#include "catalog/io_stop.h"
#include "catalog/journal.h"
#include "platform/dos_error.h"

namespace vortena::catalog {

namespace {

// The record cache stops growing at this size; records beyond it are read
// from the file every time.
constexpr std::size_t kCacheLimitBytes = std::size_t{32} << 20;

// A create that fails with this code is reported through OperationOk.
constexpr int kCreateRefused = 241;

}  // namespace

struct RecordFileAccess {
  static void bindPath(RecordFile& f, std::string_view path, int recordLength) {
    f.m_path.assign(path.substr(0, kMaxPathLength));
    f.m_recordLength = recordLength;
  }

  static void resetCache(RecordFile& f) {
    f.m_cache.clear();
    f.m_cached.clear();
  }

  static bool cachedRead(RecordFile& f, int n, void* buffer) {
    const auto i = static_cast<std::size_t>(n);
    if (i >= f.m_cached.size() || !f.m_cached[i]) return false;
    const auto L = static_cast<std::size_t>(f.m_recordLength);
    std::memcpy(buffer, f.m_cache.data() + i * L, L);
    return true;
  }

  static void remember(RecordFile& f, int n, const void* buffer) {
    const auto i = static_cast<std::size_t>(n);
    const auto L = static_cast<std::size_t>(f.m_recordLength);
    if ((i + 1) * L > kCacheLimitBytes) return;
    if (i >= f.m_cached.size()) {
      // Grow geometrically so that appending records stays amortised O(1).
      const std::size_t records = std::min(std::max(i + 1, f.m_cached.size() * 2), kCacheLimitBytes / L);
      f.m_cached.resize(records, 0);
      f.m_cache.resize(records * L);
    }
    std::memcpy(f.m_cache.data() + i * L, buffer, L);
    f.m_cached[i] = 1;
  }

  static void forget(RecordFile& f, int n) {
    const auto i = static_cast<std::size_t>(n);
    if (i < f.m_cached.size()) f.m_cached[i] = 0;
  }

  static void loadHeader(RecordFile& f, const std::uint8_t* record) {
    f.m_firstFree = getLe16(record + 0);
    f.m_freeCount = getLe16(record + 2);
    f.m_rootPage = getLe16(record + 4);
    f.m_savedCount = getLe16(record + 6);
  }

  static void storeHeader(const RecordFile& f, std::uint8_t* record) {
    putLe16(record + 0, f.m_firstFree);
    putLe16(record + 2, f.m_freeCount);
    putLe16(record + 4, f.m_rootPage);
    putLe16(record + 6, f.m_savedCount);
  }

  static void checkRecordLength(RecordFile& f, int recordLength) {
    // The library's own files use 24 to 1859 bytes; the scratch record bounds
    // what a header or freed record may be.
    if (recordLength < kMinRecordLength || recordLength > kScratchRecordSize) {
      noteIoCode(DosCode::kInvalidParameter);
      TakeIoCode();
      StopOnFileError(f);
    }
  }

  static DosFile& file(RecordFile& f) { return f.m_file; }
  static std::int16_t& firstFree(RecordFile& f) { return f.m_firstFree; }
  static std::int16_t& freeCount(RecordFile& f) { return f.m_freeCount; }
  static std::int16_t& rootPage(RecordFile& f) { return f.m_rootPage; }
  static std::int16_t& savedCount(RecordFile& f) { return f.m_savedCount; }
  static std::int16_t& recordCount(RecordFile& f) { return f.m_recordCount; }
};

using A = RecordFileAccess;

void CreateRecordFile(RecordFile& file, std::string_view path, int recordLength) {
  CatalogState& state = catalogState();
  A::bindPath(file, path, recordLength);
  A::resetCache(file);
  TakeIoCode();
  StopOnFileError(file);
  A::checkRecordLength(file, recordLength);

  noteIoCode(A::file(file).open(file.path(), FileMode::CreateReadWrite));
  TakeIoCode();
  if (state.LastIoCode == kCreateRefused) {
    state.OperationOk = false;
    return;
  }
  StopOnFileError(file);

  A::firstFree(file) = kNoRecord;
  A::freeCount(file) = 0;
  A::rootPage(file) = 0;
  A::savedCount(file) = 0;
  std::memset(state.ScratchRecord.data(), 0, static_cast<std::size_t>(recordLength));
  A::storeHeader(file, state.ScratchRecord.data());
  WriteRecord(file, 0, state.ScratchRecord.data());
  A::recordCount(file) = 1;
  state.OperationOk = true;
}

void OpenRecordFile(RecordFile& file, std::string_view path, int recordLength) {
  CatalogState& state = catalogState();
  A::bindPath(file, path, recordLength);
  A::resetCache(file);
  TakeIoCode();
  if (state.LastIoCode != 0) {
    // An earlier step failed and nobody took its code: the file is not
    // opened, and the caller learns it from OperationOk.
    state.OperationOk = false;
    AccessNotice(file.path());
    return;
  }
  A::checkRecordLength(file, recordLength);

  noteIoCode(A::file(file).open(file.path(), FileMode::ReadWrite));
  TakeIoCode();
  if (state.LastIoCode == DosCode::kFileNotFound) {
    state.OperationOk = false;
    return;
  }
  StopOnRecordError(file, 0);

  ReadRecord(file, 0, state.ScratchRecord.data());
  A::loadHeader(file, state.ScratchRecord.data());

  std::uint64_t bytes = 0;
  noteIoCode(A::file(file).size(bytes));
  TakeIoCode();
  StopOnRecordError(file, 0);
  const std::uint64_t records = bytes / static_cast<std::uint64_t>(recordLength);
  if (records > static_cast<std::uint64_t>(kMaxRecordNumber)) stopOnDamage(file, 0, DamageCode::kCounterOverflow);
  A::recordCount(file) = static_cast<std::int16_t>(records);
  state.OperationOk = true;
}

void CloseRecordFile(RecordFile& file) {
  CatalogState& state = catalogState();
  A::savedCount(file) = file.recordCount();
  const auto L = static_cast<std::size_t>(std::clamp(file.recordLength(), kMinRecordLength, kScratchRecordSize));
  std::memset(state.ScratchRecord.data(), 0, L);
  A::storeHeader(file, state.ScratchRecord.data());
  WriteRecord(file, 0, state.ScratchRecord.data());
  A::resetCache(file);
  noteIoCode(A::file(file).close());
  TakeIoCode();
  StopOnFileError(file);
}

void ReadRecord(RecordFile& file, int n, void* buffer) {
  if (n < 0) stopOnDamage(file, n, DamageCode::kRecordNumber);
  DosFile& f = A::file(file);
  if (!f.isOpen()) {
    noteIoCode(DosCode::kFileNotOpen);
  } else if (!A::cachedRead(file, n, buffer)) {
    const auto L = static_cast<std::size_t>(file.recordLength());
    const int code = f.readAt(static_cast<std::uint64_t>(n) * L, buffer, L);
    noteIoCode(code);
    if (code == 0) A::remember(file, n, buffer);
  }
  TakeIoCode();
  StopOnRecordError(file, n);
}

void WriteRecord(RecordFile& file, int n, const void* buffer) {
  if (n < 0) stopOnDamage(file, n, DamageCode::kRecordNumber);
  DosFile& f = A::file(file);
  if (!f.isOpen()) {
    noteIoCode(DosCode::kFileNotOpen);
  } else {
    const auto L = static_cast<std::size_t>(file.recordLength());
    const int code = f.writeAt(static_cast<std::uint64_t>(n) * L, buffer, L);
    noteIoCode(code);
    if (code == 0)
      A::remember(file, n, buffer);
    else
      A::forget(file, n);
  }
  TakeIoCode();
  StopOnRecordError(file, n);
}

int AllocateRecord(RecordFile& file) {
  CatalogState& state = catalogState();
  if (file.firstFree() == kNoRecord) {
    // Record numbers are 16-bit signed; the count must stay representable.
    if (file.recordCount() >= kMaxRecordNumber) stopOnDamage(file, file.recordCount(), DamageCode::kCounterOverflow);
    const int n = file.recordCount();
    A::recordCount(file) = static_cast<std::int16_t>(n + 1);
    return n;
  }
  const int n = file.firstFree();
  // A link outside the file, or more links than freeCount (a cycle), would
  // hand out records that are in use.
  if (n < 1 || n >= file.recordCount() || file.freeCount() <= 0) stopOnDamage(file, n, DamageCode::kFreeChain);
  ReadRecord(file, n, state.ScratchRecord.data());
  A::firstFree(file) = getLe16(state.ScratchRecord.data());
  A::freeCount(file) = static_cast<std::int16_t>(file.freeCount() - 1);
  return n;
}

int InsertRecord(RecordFile& file, const void* buffer) {
  const int n = AllocateRecord(file);
  WriteRecord(file, n, buffer);
  return n;
}

void FreeRecord(RecordFile& file, int n) {
  CatalogState& state = catalogState();
  // Freeing the header or a record beyond the file would break the chain.
  if (n < 1 || n >= file.recordCount()) stopOnDamage(file, n, DamageCode::kRecordNumber);
  if (file.freeCount() >= kMaxRecordNumber) stopOnDamage(file, n, DamageCode::kCounterOverflow);
  std::memset(state.ScratchRecord.data(), 0, static_cast<std::size_t>(file.recordLength()));
  putLe16(state.ScratchRecord.data(), file.firstFree());
  WriteRecord(file, n, state.ScratchRecord.data());
  A::firstFree(file) = static_cast<std::int16_t>(n);
  A::freeCount(file) = static_cast<std::int16_t>(file.freeCount() + 1);
}

}  // namespace vortena::catalog
