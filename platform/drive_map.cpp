#include "platform/drive_map.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "common/code_page.h"

namespace vortena {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

fs::path defaultDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "vortena";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local/share/vortena";
  return fs::temp_directory_path() / "vortena";
}

// The entry of `folder` named `name`: the exact spelling when it exists,
// else the first entry that differs only in case, else `name` itself.
fs::path resolveComponent(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  fs::path exact = folder / name;
  if (name == "." || name == ".." || fs::exists(fs::symlink_status(exact, ec))) return exact;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (equalsIgnoringCase(entry, name)) return folder / entry;
  }
  return exact;
}
#endif

}  // namespace

fs::path driveRoot(char driveLetter) {
  const char letter = static_cast<char>(driveLetter >= 'a' && driveLetter <= 'z' ? driveLetter - 'a' + 'A' : driveLetter);
  const std::string variable = std::string("VORTENA_DRIVE_") + letter;
  if (const char* root = std::getenv(variable.c_str()); root && *root) return fs::path(root);
#ifdef _WIN32
  return fs::path(std::string(1, letter) + ":\\");
#else
  return defaultDataFolder() / std::string(1, letter);
#endif
}

fs::path hostPath(std::string_view dosPath) {
  fs::path base;
  std::string_view rest = dosPath;
  if (rest.size() >= 2 && rest[1] == ':' &&
      ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
    base = driveRoot(rest[0]);
    rest.remove_prefix(2);
  } else if (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) {
    base = driveRoot('C');
  }

  // "." and ".." are folded here, as DOS does: ".." at the root of a drive
  // stays at the root, so no path from a file (P6, P7) can leave the drive.
  std::vector<std::string> components;
  std::string current;
  auto push = [&components, absolute = !base.empty()](std::string component) {
    if (component.empty() || component == ".") return;
    if (component == "..") {
      if (!components.empty() && components.back() != "..") {
        components.pop_back();
        return;
      }
      if (absolute) return;
    }
    components.push_back(std::move(component));
  };
  for (char c : rest) {
    if (c == '\\' || c == '/') {
      push(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  push(std::move(current));

  fs::path out = base;
  for (const std::string& component : components) {
    const std::string name = bytesToUtf8(CodePage::Windows1250, component);
#ifdef _WIN32
    out /= fs::u8path(name);  // the host's own names ignore case already
#else
    out = resolveComponent(out, name);
#endif
  }
  return out;
}

}  // namespace vortena
