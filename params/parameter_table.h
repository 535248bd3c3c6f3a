#pragma once
// The parameter files P5 to P40: for each parameter its lines (maximum
// length and initial value of each) and how its values are filled after
// reading. One table drives the readers, the savers and the store's reset.

#include <array>
#include <cstddef>
#include <string_view>

namespace vortena {

enum class Padding {
  None,   // kept as read
  Right,  // spaces appended up to the maximum length
  Left,   // spaces prepended up to the maximum length
};

struct ParameterLine {
  std::size_t maxLength = 0;
  std::string_view initial;
};

struct ParameterLayout {
  int number = 0;
  Padding padding = Padding::None;
  int lineCount = 1;  // values held: 2 for P26, 4 for P27, 1 for the rest
  std::array<ParameterLine, 4> lines{};
};

inline constexpr int kFirstParameter = 5;
inline constexpr int kLastParameter = 40;
inline constexpr int kMaxParameterLines = 4;

// The layout of parameter n (kFirstParameter..kLastParameter).
const ParameterLayout& parameterLayout(int number);

}  // namespace vortena
