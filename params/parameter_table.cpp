#include "params/parameter_table.h"

#include <cassert>

namespace vortena {

namespace {

constexpr ParameterLayout one(int number, std::size_t maxLength, std::string_view initial,
                            Padding padding = Padding::None) {
  return ParameterLayout{number, padding, 1, {ParameterLine{maxLength, initial}}};
}

// Index = number - kFirstParameter.
constexpr std::array<ParameterLayout, kLastParameter - kFirstParameter + 1> kTable = {
    one(5, 2, "00"),
    one(6, 30, "DOVODO\\DATA"),
    one(7, 30, "BASE\\DATA"),
    one(8, 1, "2"),
    one(9, 1, "1"),
    one(10, 80, "G:\\DOVODO\\DATA\\"),
    one(11, 80, "C:\\DOVODO\\DATA\\"),
    one(12, 80, "C:\\PROGRA~1\\ACCEESS~1\\WORDPAD"),
    one(13, 3, "NIE"),
    one(14, 1, "E"),
    one(15, 80, "C:\\DOVODO\\DATA\\"),
    one(16, 3, "ANO"),
    one(17, 1, "N"),
    one(18, 80, "C:\\DOVODO\\ZOSTAVY"),
    one(19, 80, "C:\\BASE\\ZOSTAVY"),
    one(20, 1, "A"),
    one(21, 1, "A"),
    one(22, 1, "N"),
    one(23, 1, "1"),
    one(24, 1, "N"),
    one(25, 1, "N"),
    ParameterLayout{26, Padding::Right, 2, {ParameterLine{25, ""}, ParameterLine{30, ""}}},
    ParameterLayout{27, Padding::None, 4,
                  {ParameterLine{1, "N"}, ParameterLine{50, ""}, ParameterLine{50, ""}, ParameterLine{50, ""}}},
    one(28, 1, "A"),
    one(29, 1, "A"),
    one(30, 15, "       19191919", Padding::Left),
    one(31, 34, "                                  ", Padding::Right),
    one(32, 30, "                              ", Padding::Right),
    one(33, 30, "                              ", Padding::Right),
    one(34, 30, "                              ", Padding::Right),
    one(35, 30, "                              ", Padding::Right),
    one(36, 30, "                              ", Padding::Right),
    one(37, 12, "            ", Padding::Right),
    one(38, 25, "                         ", Padding::Right),
    one(39, 25, "                         ", Padding::Right),
    one(40, 25, "                         ", Padding::Right),
};

constexpr bool tableIsConsistent() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const ParameterLayout& layout = kTable[i];
    if (layout.number != static_cast<int>(i) + kFirstParameter) return false;
    for (int line = 0; line < layout.lineCount; ++line)
      if (layout.lines[line].initial.size() > layout.lines[line].maxLength) return false;
  }
  return true;
}
static_assert(tableIsConsistent(), "parameter table out of order or an initial value too long");

}  // namespace

const ParameterLayout& parameterLayout(int number) {
  assert(number >= kFirstParameter && number <= kLastParameter);
  return kTable[static_cast<std::size_t>(number - kFirstParameter)];
}

}  // namespace vortena
