#include "params/parameter_store.h"

#include <cassert>

#include "common/text.h"

namespace vortena {

void ParameterStore::reset() {
  for (Lines& lines : m_values)
    for (std::string& text : lines) text.clear();
  m_quantityDecimals = 0;
}
const std::string& ParameterStore::value(int number, int line) const {
  assert(number >= kFirstParameter && number <= kLastParameter);
  assert(line >= 0 && line < parameterLayout(number).lineCount);
  return m_values[static_cast<std::size_t>(number)][static_cast<std::size_t>(line)];
}

void ParameterStore::setValue(int number, std::string_view text, int line) {
  assert(number >= kFirstParameter && number <= kLastParameter);
  const ParameterLayout& layout = parameterLayout(number);
  assert(line >= 0 && line < layout.lineCount);
  m_values[static_cast<std::size_t>(number)][static_cast<std::size_t>(line)] =
      CutText(text, layout.lines[static_cast<std::size_t>(line)].maxLength);
}

ParameterStore& parameterStore() {
  static ParameterStore store;
  return store;
}

}  // namespace vortena
