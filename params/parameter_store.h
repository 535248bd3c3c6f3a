#pragma once
// The loaded parameter values, one text per file line a parameter holds (two
// for P26, four for P27), each at most the parameter's maximum length.
// Values are Windows-1250 bytes exactly as the files hold them. P8 is held
// only as its number.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "params/parameter_table.h"

namespace vortena {

class ParameterStore {
 public:
  ParameterStore() { reset(); }

  // The state before LoadParameters: every value empty, P8 0. A reader sets
  // its parameter's initial values just before it opens the file, so while
  // P6 is being read the log folder P7 is still empty.
  void reset();

  // Value `line` (0-based) of parameter n. P8's text is not kept: empty.
  const std::string& value(int number, int line = 0) const;
  // Stores the text cut to the parameter's maximum length.
  void setValue(int number, std::string_view text, int line = 0);

  // P8: number of decimal places of quantities.
  std::int16_t quantityDecimals() const { return m_quantityDecimals; }
  void setQuantityDecimals(std::int16_t value) { m_quantityDecimals = value; }

  // Folder below C:\ of the parameter files (P6) and of the log (P7).
  const std::string& parameterFolder() const { return value(6); }
  const std::string& logFolder() const { return value(7); }

 private:
  using Lines = std::array<std::string, kMaxParameterLines>;
  std::array<Lines, kLastParameter + 1> m_values;  // indexed by number
  std::int16_t m_quantityDecimals = 0;
};

// The program's one store, filled by LoadParameters.
ParameterStore& parameterStore();

}  // namespace vortena
