#pragma once
// The process's current folder and folder creation, on DOS paths.

#include <string_view>

namespace vortena {

// Makes the folder the current one: 0, or 3 when it does not exist.
[[nodiscard]] int setCurrentFolder(std::string_view dosPath);
// Creates one folder (its parent must exist): 0, 3 for a missing parent,
// 5 when it exists already or creating is refused.
[[nodiscard]] int createFolder(std::string_view dosPath);
// Creates the folder and every missing folder above it.
[[nodiscard]] int createFolders(std::string_view dosPath);

}  // namespace vortena
