#include "tools/sklad/sklad_commands.h"

#include <charconv>
#include <filesystem>
#include <string_view>

#include "catalog/skladlib.h"
#include "common/code_page.h"
#include "platform/dos_file.h"
#include "platform/drive_map.h"
#include "tools/sklad/catalog_check.h"
#include "tools/sklad/catalog_files.h"
#include "tools/sklad/catalog_listing.h"
#include "tools/sklad/file_dump.h"

namespace vortena::sklad {

namespace {

constexpr std::string_view kImportFile = "C:\\DOVODO\\OVLACC\\VstupSklady.DAT";

constexpr const char* kUsage =
    "usage: sklad COMMAND\n"
    "  warehouses                 list the warehouse catalogue in number order\n"
    "  goods                      list the goods catalogue in index order\n"
    "  add NUMBER NAME            add a warehouse, or rename the one with this number\n"
    "  delete NUMBER              delete a warehouse\n"
    "  find NUMBER                exit 0 when the warehouse exists, 1 when not\n"
    "  import                     add the warehouses of C:\\DOVODO\\OVLACC\\VstupSklady.DAT\n"
    "  reprice                    reprice the goods catalogue from SADZDPH.DAT\n"
    "  check                      check the catalogue files; exit 1 on any problem\n"
    "  dump FILE (--record-length L | --key-length K)\n"
    "                             show a record file's header, free chain and pages\n"
    "Drive C: is the folder named by VORTENA_DRIVE_C. add, delete, find, import and\n"
    "reprice work through SKLADLIB and rewrite the files' headers; the others only read.\n";

// A length-prefixed argument for the exports: the typed UTF-8 text in the
// DOS code page, at most 255 bytes.
struct ShortArgument {
  explicit ShortArgument(const std::string& utf8) {
    std::string bytes = utf8ToBytes(CodePage::Dos852, utf8);
    if (bytes.size() > 255) bytes.resize(255);
    data.push_back(static_cast<unsigned char>(bytes.size()));
    data.insert(data.end(), bytes.begin(), bytes.end());
  }
  std::size_t length() const { return data[0]; }
  std::basic_string<unsigned char> data;
};

bool folderExists(std::string_view dosPath) {
  std::error_code ec;
  return std::filesystem::is_directory(hostPath(dosPath), ec);
}

// The exports end the whole process on a file error. What the tool can see
// beforehand it reports itself, naming the file.
bool dataFolderReady(std::ostream& err) {
  if (folderExists(kDataFolder)) return true;
  err << kDataFolder << ": the folder does not exist (is VORTENA_DRIVE_C right?)\n";
  return false;
}

// With KAT-SKL.DAT present, a missing index would stop the export.
bool warehouseIndexesPresent(std::ostream& err) {
  bool ok = true;
  for (const IndexFile& index : {kWarehouseNumbers, kWarehouseNames})
    if (!fileExists(index.path)) {
      err << index.path << ": missing while " << kWarehouseData << " exists; SKLADLIB would stop with code 103\n";
      ok = false;
    }
  return ok;
}

void noteCut(std::ostream& err, const char* what, const ShortArgument& arg, std::size_t width) {
  if (arg.length() > width) err << "sklad: the " << what << " is stored cut to its first " << width << " characters\n";
}

int commandAdd(const std::string& number, const std::string& name, std::ostream& err) {
  if (!dataFolderReady(err)) return 1;
  if (fileExists(kWarehouseData) && !warehouseIndexesPresent(err)) return 1;
  const ShortArgument n(number), m(name);
  noteCut(err, "number", n, kNumberWidth);
  noteCut(err, "name", m, kNameWidth);
#if defined(_WIN32)
  PridajSklad(m.data.data(), n.data.data());
#else
  PridajSklad(n.data.data(), m.data.data());
#endif
  return 0;
}

int commandFind(const std::string& number, bool remove, std::ostream& out, std::ostream& err) {
  if (!dataFolderReady(err)) return 1;
  // Without a catalogue there is nothing to find or delete, and the export
  // would create the three files.
  if (!fileExists(kWarehouseData)) {
    out << kWarehouseData << ": no warehouse catalogue yet\n";
    return 1;
  }
  if (!warehouseIndexesPresent(err)) return 1;
  const ShortArgument n(number);
  if (remove) {
    VymazSklad(n.data.data());
    return 0;
  }
  return NajdiSklad(n.data.data()) ? 0 : 1;
}

int commandImport(std::ostream& out, std::ostream& err) {
  if (!dataFolderReady(err)) return 1;
  if (fileExists(kWarehouseData) && !warehouseIndexesPresent(err)) return 1;
  if (!fileExists(kImportFile)) {
    out << kImportFile << ": not present, nothing to import\n";
    return 0;
  }
  PridajSkladyZTextovehoSuboru();
  return 0;
}

int commandReprice(std::ostream& err) {
  if (!dataFolderReady(err)) return 1;
  bool ok = true;
  for (const std::string_view path : {kVatRates, kGoodsData, kGoodsIndex.path, kWinGoodsData, kWinGoodsIndex.path})
    if (!fileExists(path)) {
      err << path << ": missing; nothing was repriced\n";
      ok = false;
    }
  std::error_code ec;
  if (ok && std::filesystem::file_size(hostPath(kVatRates), ec) < 18) {
    err << kVatRates << ": shorter than its 18-byte record of three rates; nothing was repriced\n";
    ok = false;
  }
  if (!ok) return 1;
  ZmenSadzbyDPHVKataloguTovarov();
  return 0;
}

bool parseLength(const std::string& text, int low, int high, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

int commandDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 4) return -1;
  int length = 0;
  if (args[2] == "--record-length") {
    if (!parseLength(args[3], 8, 65535, length)) {
      err << "sklad: --record-length must be 8 to 65535\n";
      return 2;
    }
    return dumpFile(args[1], length, 0, out, err);
  }
  if (args[2] == "--key-length") {
    if (!parseLength(args[3], 1, 53, length)) {
      err << "sklad: --key-length must be 1 to 53\n";
      return 2;
    }
    return dumpFile(args[1], 0, length, out, err);
  }
  return -1;
}

}  // namespace

int runSklad(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int rc = -1;
  const std::string command = args.empty() ? "" : args[0];
  const std::size_t n = args.size();
  if (command == "warehouses" && n == 1) rc = listWarehouses(out, err);
  else if (command == "goods" && n == 1) rc = listGoods(out, err);
  else if (command == "add" && n == 3) rc = commandAdd(args[1], args[2], err);
  else if (command == "delete" && n == 2) rc = commandFind(args[1], true, out, err);
  else if (command == "find" && n == 2) rc = commandFind(args[1], false, out, err);
  else if (command == "import" && n == 1) rc = commandImport(out, err);
  else if (command == "reprice" && n == 1) rc = commandReprice(err);
  else if (command == "check" && n == 1) rc = checkCatalogues(out) == 0 ? 0 : 1;
  else if (command == "dump") rc = commandDump(args, out, err);
  else if (command == "help" || command == "--help") {
    out << kUsage;
    return 0;
  }
  if (rc < 0) {
    err << kUsage;
    return 2;
  }
  return rc;
}

}  // namespace vortena::sklad
