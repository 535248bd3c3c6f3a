#pragma once
// The program's 32 x 32 icon: the window icon and the picture of the main
// window. Drawn in code so the build needs no image files.

#include <QPixmap>

namespace vortena::shell {

inline constexpr int kIconSize = 32;

QPixmap programIconPixmap();

}  // namespace vortena::shell
