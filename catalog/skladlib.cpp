// The five exports of SKLADLIB over the catalogue engine. Each copies its
// string arguments at entry and lets no C++ exception reach its caller: an
// unexpected failure ends the process like an input/output stop.

#include "catalog/skladlib.h"

#include <string_view>

#include "catalog/catalog_state.h"
#include "catalog/console.h"
#include "catalog/io_stop.h"
#include "catalog/short_string.h"
#include "catalog/vat_repricing.h"
#include "catalog/warehouse_catalog.h"
#include "catalog/warehouse_import.h"

namespace {

using vortena::catalog::ShortString;

// A length-prefixed string argument; a null pointer reads as empty.
ShortString argument(const unsigned char* text) {
  ShortString copy;
  if (text != nullptr) copy.assignPrefixed(text);
  return copy;
}

template <typename Body>
auto guarded(Body body) -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    namespace c = vortena::catalog;
    c::noteIoCode(c::DamageCode::kInternal);
    c::TakeIoCode();
    c::StopOnFileError(c::catalogState().warehouseData);
    c::endProcess(c::stopExitCode(c::DamageCode::kInternal));
  }
}

}  // namespace

extern "C" {

#if defined(_WIN32)
SKLADLIB_API void SKLADLIB_CALL PridajSklad(const unsigned char* name, const unsigned char* number) {
#else
SKLADLIB_API void SKLADLIB_CALL PridajSklad(const unsigned char* number, const unsigned char* name) {
#endif
  const ShortString n = argument(number);
  const ShortString m = argument(name);
  guarded([&] { vortena::catalog::PridajSklad(n.view(), m.view()); });
}

SKLADLIB_API void SKLADLIB_CALL VymazSklad(const unsigned char* number) {
  const ShortString n = argument(number);
  guarded([&] { vortena::catalog::VymazSklad(n.view()); });
}

SKLADLIB_API unsigned char SKLADLIB_CALL NajdiSklad(const unsigned char* number) {
  const ShortString n = argument(number);
  return guarded([&] { return vortena::catalog::NajdiSklad(n.view()) ? static_cast<unsigned char>(1) : static_cast<unsigned char>(0); });
}

SKLADLIB_API void SKLADLIB_CALL PridajSkladyZTextovehoSuboru(void) {
  guarded([] { vortena::catalog::PridajSkladyZTextovehoSuboru(); });
}

SKLADLIB_API void SKLADLIB_CALL ZmenSadzbyDPHVKataloguTovarov(void) {
  guarded([] { vortena::catalog::ZmenSadzbyDPHVKataloguTovarov(); });
}

}  // extern "C"
