#include "catalog/catalog_state.h"

namespace vortena::catalog {

CatalogState& catalogState() {
  static CatalogState state;
  return state;
}

void TakeIoCode() {
  CatalogState& state = catalogState();
  state.LastIoCode = static_cast<std::int16_t>(state.PendingIoError.take());
}

}  // namespace vortena::catalog
