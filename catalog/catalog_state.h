#pragma once
// The library-wide state of the catalogue engine, one instance per process:
// the status flag, the pending input/output code, the scratch record, the
// page buffer and the static file handles of the exported operations. The
// engine is single-threaded; nothing here may be used from two threads.

#include <array>
#include <cstdint>

#include "catalog/index_page.h"
#include "catalog/key_index.h"
#include "catalog/page_buffer.h"
#include "catalog/record_file.h"
#include "platform/pending_io_code.h"

namespace vortena::catalog {

// Header records and freed records are written from here; it holds the
// largest page record of any index.
inline constexpr int kScratchRecordSize = kMaxIndexRecordLength;

struct CatalogState {
  // The result of the last operation that sets it (create, open, index ops).
  bool OperationOk = false;
  // Every failed file step stores its code here, replacing any earlier one.
  PendingIoCode PendingIoError;
  // The code taken by the last TakeIoCode.
  std::int16_t LastIoCode = 0;
  std::array<std::uint8_t, kScratchRecordSize> ScratchRecord{};
  PageBuffer pageBuffer;

  // Handles of the warehouse catalogue.
  RecordFile warehouseData;
  KeyIndex warehouseNumbers;
  KeyIndex warehouseNames;
  // Handles of the goods catalogue, used by the repricing.
  RecordFile goodsData;
  KeyIndex goodsIndex;
  RecordFile winGoodsData;
  KeyIndex winGoodsIndex;
};

CatalogState& catalogState();

inline bool OperationOk() { return catalogState().OperationOk; }
// Moves the pending code into LastIoCode and clears it.
void TakeIoCode();
// Records the result of a file step (0 leaves the pending code alone).
inline void noteIoCode(int code) { catalogState().PendingIoError.note(code); }

}  // namespace vortena::catalog
