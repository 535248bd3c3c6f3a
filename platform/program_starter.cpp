#include "platform/program_starter.h"

#include <cstdlib>
#include <system_error>

#include "platform/drive_map.h"
#include "platform/pif_file.h"

namespace vortena {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kSearchPathSeparator = ';';
constexpr const char* kHostProgramSuffix = ".exe";
#else
constexpr char kSearchPathSeparator = ':';
constexpr const char* kHostProgramSuffix = "";
#endif

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
  return true;
}

bool hasExtension(std::string_view dosPath, std::string_view extension) {
  return dosPath.size() > extension.size() &&
         equalsIgnoringCase(dosPath.substr(dosPath.size() - extension.size()), extension);
}

bool isRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// A file the host starts itself.
bool isHostExecutable(const fs::path& path) {
  if (!isRegularFile(path)) return false;
#ifdef _WIN32
  const std::string name = path.filename().string();
  return hasExtension(name, ".EXE") || hasExtension(name, ".COM") || hasExtension(name, ".BAT") ||
         hasExtension(name, ".CMD");
#else
  std::error_code ec;
  const fs::perms perms = fs::status(path, ec).permissions();
  if (ec) return false;
  return (perms & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) != fs::perms::none;
#endif
}

std::optional<fs::path> findOnSearchPath(const std::string& name, const StarterSetup& setup) {
  std::string searchPath;
  if (setup.searchPath) {
    searchPath = *setup.searchPath;
  } else if (const char* path = std::getenv("PATH")) {
    searchPath = path;
  }
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(kSearchPathSeparator, start);
    if (end == std::string::npos) end = searchPath.size();
    // An empty entry would mean the current folder; it is not searched.
    if (end > start) {
      const fs::path candidate = fs::path(searchPath.substr(start, end - start)) / (name + kHostProgramSuffix);
      if (isHostExecutable(candidate)) return candidate;
    }
    start = end + 1;
  }
  return std::nullopt;
}

std::vector<std::string> splitOnSpaces(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', i), text.size());
    parts.emplace_back(text.substr(i, end - i));
    i = end;
  }
  return parts;
}

const char* showModeName(ShowMode mode) {
  switch (mode) {
    case ShowMode::Hide: return "hidden";
    case ShowMode::Maximized: return "maximized";
    case ShowMode::Normal: break;
  }
  return "normal";
}

// DOSBox with drive C: at the mapped root, in the PIF's startup folder.
std::optional<LaunchPlan> dosboxPlan(const fs::path& pifFile, ShowMode mode, const StarterSetup& setup) {
  const std::optional<PifProgram> pif = readPifFile(pifFile);
  if (!pif) return std::nullopt;
  const std::optional<fs::path> dosbox = findOnSearchPath("dosbox", setup);
  if (!dosbox) return std::nullopt;

  LaunchPlan plan;
  plan.program = *dosbox;
  auto command = [&plan](std::string text) {
    plan.arguments.emplace_back("-c");
    plan.arguments.push_back(std::move(text));
  };
  command("mount c \"" + fs::absolute(driveRoot('C')).string() + "\"");
  command("c:");
  std::string_view folder = pif->folder;
  if (folder.size() >= 2 && folder[1] == ':' && asciiUpper(folder[0]) == 'C') folder.remove_prefix(2);
  if (!folder.empty()) command("cd " + std::string(folder));
  command(pif->parameters.empty() ? pif->program : pif->program + " " + pif->parameters);
  command("exit");
  if (mode == ShowMode::Maximized) plan.arguments.emplace_back("-fullscreen");
  return plan;
}

std::optional<LaunchPlan> winePlan(const fs::path& exeFile, const std::vector<std::string>& arguments,
                                   ShowMode mode, const StarterSetup& setup) {
  const std::optional<fs::path> wine = findOnSearchPath("wine", setup);
  if (!wine) return std::nullopt;
  LaunchPlan plan;
  plan.program = *wine;
  plan.arguments = {"start"};
  if (mode == ShowMode::Hide) plan.arguments.emplace_back("/min");
  if (mode == ShowMode::Maximized) plan.arguments.emplace_back("/max");
  plan.arguments.emplace_back("/unix");
  plan.arguments.push_back(exeFile.string());
  plan.arguments.insert(plan.arguments.end(), arguments.begin(), arguments.end());
  return plan;
}

std::optional<LaunchPlan> resolve(const std::string& commandLine, ShowMode mode, const StarterSetup& setup) {
  const std::size_t space = commandLine.find(' ');
  const std::string program = commandLine.substr(0, space);
  if (program.empty()) return std::nullopt;
  const std::vector<std::string> arguments =
      space == std::string::npos ? std::vector<std::string>{} : splitOnSpaces(std::string_view(commandLine).substr(space + 1));
  const fs::path file = hostPath(program);

  if (isHostExecutable(file)) return LaunchPlan{file, arguments, std::nullopt, {}};
  if (hasExtension(program, ".PIF")) return isRegularFile(file) ? dosboxPlan(file, mode, setup) : std::nullopt;
  if (hasExtension(program, ".EXE") && isRegularFile(file)) return winePlan(file, arguments, mode, setup);
  if (equalsIgnoringCase(program, "C:\\DOVODO\\ZORAK.EXE") && !isRegularFile(file)) {
    const fs::path zorak = setup.programFolder / (std::string("zorak") + kHostProgramSuffix);
    if (isHostExecutable(zorak)) return LaunchPlan{zorak, arguments, std::nullopt, {}};
  }
  return std::nullopt;
}

}  // namespace

std::optional<LaunchPlan> planLaunch(const std::string& commandLine, ShowMode mode, const StarterSetup& setup) {
  std::optional<LaunchPlan> plan = resolve(commandLine, mode, setup);
  if (plan) plan->environment.emplace_back("VORTENA_SHOW_MODE", showModeName(mode));
  return plan;
}

}  // namespace vortena
