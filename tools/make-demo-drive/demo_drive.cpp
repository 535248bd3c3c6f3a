#include "tools/make-demo-drive/demo_drive.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "catalog/key_index.h"
#include "catalog/record_file.h"
#include "catalog/short_string.h"
#include "catalog/skladlib.h"
#include "common/code_page.h"
#include "common/real6.h"
#include "common/text.h"
#include "params/parameter_table.h"
#include "platform/dos_file.h"
#include "platform/folders.h"
#include "platform/text_file.h"

namespace vortena::demo {

namespace {

using catalog::ShortString;

std::string win1250(std::string_view utf8) { return utf8ToBytes(CodePage::Windows1250, utf8); }
std::string dos852(std::string_view utf8) { return utf8ToBytes(CodePage::Dos852, utf8); }

// Writes the lines, each with CR LF, as the suite's text files hold them.
int writeTextFile(std::string_view path, const std::vector<std::string>& lines, std::string& failedPath) {
  failedPath = std::string(path);
  TextWriter writer;
  if (const int code = writer.create(path)) return code;
  for (const std::string& line : lines)
    if (const int code = writer.writeLine(line)) return code;
  return writer.close();
}

int writeBinaryFile(std::string_view path, const std::string& bytes, std::string& failedPath) {
  failedPath = std::string(path);
  DosFile file;
  if (const int code = file.open(path, FileMode::CreateReadWrite)) return code;
  if (const int code = file.write(bytes.data(), bytes.size())) return code;
  return file.close();
}

std::string real6Bytes(long double value) {
  const Real6 r = Real6::fromValue(value);
  return std::string(r.bytes().begin(), r.bytes().end());
}

int makeFolders(std::string& failedPath) {
  for (std::string_view folder : {"C:\\DOVODO\\DATA\\P", "C:\\DOVODO\\OVLACC", "C:\\BASE\\DATA", "C:\\TEMP"}) {
    failedPath = std::string(folder);
    if (const int code = createFolders(folder)) return code;
  }
  return 0;
}

// Every parameter file at its initial value, one line per value with CR LF.
// Values that are padded after reading are written padded; the others are
// written as they stand, since P6 and the paths in P10 to P19 are taken
// as read, trailing spaces and all.
int writeParameterFiles(std::string& failedPath) {
  for (int n = kFirstParameter; n <= kLastParameter; ++n) {
    const ParameterLayout& layout = parameterLayout(n);
    std::vector<std::string> lines;
    for (int i = 0; i < layout.lineCount; ++i) {
      const ParameterLine& line = layout.lines[static_cast<std::size_t>(i)];
      switch (layout.padding) {
        case Padding::None: lines.emplace_back(line.initial); break;
        case Padding::Left: lines.push_back(PadLeftSpaces(line.initial, line.maxLength)); break;
        case Padding::Right: lines.push_back(PadRightSpaces(line.initial, line.maxLength)); break;
      }
    }
    const std::string path = "C:\\DOVODO\\DATA\\P\\P" + std::to_string(n) + ".DAT";
    if (const int code = writeTextFile(path, lines, failedPath)) return code;
  }
  return 0;
}

// The company record: 51 lines. SPUSTAC's dialogs own lines 4, 8, 9, 15 to
// 18, 22 to 24, 28, 47 and 51; the rest belong to the invoicing modules and
// stay empty in a new installation.
int writeCompanyRecord(std::string& failedPath) {
  std::vector<std::string> lines(51);
  auto set = [&lines](int number, std::string value) { lines[static_cast<std::size_t>(number - 1)] = std::move(value); };
  set(4, PadRightSpaces("DEMO OBCHOD S.R.O.", 25));
  set(8, "60");
  set(9, PadRightSpaces("2020123456", 14));
  set(15, PadRightSpaces(win1250("HLAVNÁ 12"), 25));
  set(16, PadRightSpaces("811 01 BRATISLAVA", 25));
  set(17, PadRightSpaces("TATRA BANKA A.S.", 25));
  set(18, PadRightSpaces("2945123456/1100", 25));
  set(22, PadLeftSpaces("36123456", 8));
  set(23, PadLeftSpaces("0308", 9));
  set(24, "PP        ");
  set(28, "14");
  set(47, "A");
  set(51, "N");
  return writeTextFile("C:\\BASE\\DATA\\PARAM.PRM", lines, failedPath);
}

// SADZDPH.DAT: S1, S2, S3 as three six-byte reals. The demo takes the rates
// in force in 2026: the standard 23 % first, then the reduced 19 % and 5 %.
int writeVatRates(std::string& failedPath) {
  return writeBinaryFile("C:\\DOVODO\\DATA\\SADZDPH.DAT", real6Bytes(23) + real6Bytes(19) + real6Bytes(5), failedPath);
}

// CISFAKT.DAT holds the number before the next invoice: the next is 42.
int writeInvoiceCounter(std::string& failedPath) {
  return writeBinaryFile("C:\\DOVODO\\DATA\\CISFAKT.DAT", real6Bytes(41), failedPath);
}

int writeInvoiceFooter(std::string& failedPath) {
  return writeTextFile("C:\\DOVODO\\DATA\\KONFA.DAT",
                       {win1250("Spoločnosť je zapísaná v Obchodnom registri Okresného súdu Bratislava I,"),
                        win1250("oddiel Sro, vložka č. 12345/B."),
                        win1250("Ďakujeme za Vašu objednávku.")},
                       failedPath);
}

struct DemoItem {
  const char* code;  // the goods number: the first text and the TOVAR.IND key
  const char* name;  // the second text
  char category;     // '1', '2' or '3': which VAT rate applies
  long double quantity;
  long double netPrice;
};

constexpr DemoItem kGoods[] = {
    {"1001", "Kancelársky papier A4", '1', 120, 4.90L},   {"1002", "Obálky C5, 50 ks", '1', 40, 3.20L},
    {"1003", "Toner do tlačiarne", '1', 8, 54.00L},        {"1004", "Zošit A5 linajkový", '1', 200, 0.85L},
    {"1005", "Guľôčkové pero modré", '1', 500, 0.45L},     {"1006", "Zakladač pákový", '1', 60, 2.70L},
    {"1007", "Kalkulačka stolová", '1', 15, 12.50L},        {"1008", "Lepiaca páska 19 mm", '1', 90, 1.10L},
    {"1009", "Zvýrazňovač žltý", '1', 150, 0.95L},          {"1010", "Spinkovač kovový", '1', 25, 7.40L},
    {"1011", "Nožnice kancelárske", '1', 30, 2.10L},        {"1012", "Kartotéka plastová", '1', 12, 9.80L},
    {"2001", "Chlieb konzumný 1 kg", '2', 40, 1.60L},       {"2002", "Maslo 250 g", '2', 60, 2.30L},
    {"2003", "Mlieko polotučné 1 l", '2', 80, 0.89L},       {"2004", "Káva zrnková 1 kg", '2', 20, 14.90L},
    {"2005", "Čaj čierny 20 vrecúšok", '2', 45, 1.35L},     {"2006", "Cukor kryštálový 1 kg", '2', 70, 0.99L},
    {"2007", "Minerálna voda 1,5 l", '2', 120, 0.55L},      {"2008", "Jablká 1 kg", '2', 50, 1.20L},
    {"2009", "Syr eidam 100 g", '2', 65, 1.05L},            {"2010", "Rožok 40 g", '2', 300, 0.10L},
    {"3001", "Učebnica slovenčiny", '3', 25, 9.90L},        {"3002", "Kniha Dejiny Slovenska", '3', 10, 18.50L},
    {"3003", "Lieky proti bolesti", '3', 40, 3.75L},        {"3004", "Detská výživa 190 g", '3', 80, 1.45L},
    {"3005", "Atlas sveta", '3', 6, 24.00L},                {"3006", "Slovník anglicko-slovenský", '3', 9, 15.30L},
    {"3007", "Vitamín C 500 mg", '3', 35, 4.20L},           {"3008", "Noviny denné", '3', 100, 1.00L},
    {"9001", "Doprava tovaru", '1', 0, 15.00L},             {"9002", "Montáž a inštalácia", '1', 0, 25.00L},
};

// A length-prefixed text of declared width at `offset`.
void putText(std::uint8_t* record, std::size_t offset, std::size_t width, std::string_view text) {
  const std::size_t length = text.size() < width ? text.size() : width;
  record[offset] = static_cast<std::uint8_t>(length);
  std::memcpy(record + offset + 1, text.data(), length);
}

void putReal6(std::uint8_t* record, std::size_t offset, long double value) { Real6::fromValue(value).copyTo(record + offset); }

// The goods catalogue, as the goods module keeps it (texts in code page 852):
//
// TOVAR.DAT, 111-byte records       WIN-TOV.DAT, 58-byte records
//   OFFSET SIZE MEANING               OFFSET SIZE MEANING
//   0      23   goods number          0      46   name then goods number
//   23     1    VAT category '1'-'3'  46     6    quantity (Real6)
//   24     32   name                  52     6    price without VAT (Real6)
//   56     6    quantity (Real6)
//   62     6    price without VAT
//   74     6    VAT rate, percent     TOVAR.IND: the goods number, K = 15.
//   80     6    price with VAT        WIN-TOV.IND: name + number cut to 45.
//
// Rates and prices with VAT are left at zero here; the library's repricing
// fills them from SADZDPH.DAT, as it does after every change of the rates.
void writeGoodsCatalogue() {
  catalog::RecordFile goods;
  catalog::KeyIndex goodsIndex;
  catalog::RecordFile winGoods;
  catalog::KeyIndex winGoodsIndex;
  catalog::CreateRecordFile(goods, "C:\\DOVODO\\DATA\\TOVAR.DAT", 111);
  catalog::CreateKeyIndex(goodsIndex, "C:\\DOVODO\\DATA\\TOVAR.IND", 15, false);
  catalog::CreateRecordFile(winGoods, "C:\\DOVODO\\DATA\\WIN-TOV.DAT", 58);
  catalog::CreateKeyIndex(winGoodsIndex, "C:\\DOVODO\\DATA\\WIN-TOV.IND", 45, false);
  for (const DemoItem& item : kGoods) {
    const std::string code = dos852(item.code);
    const std::string name = dos852(item.name);
    std::array<std::uint8_t, 111> g{};
    putText(g.data(), 0, 22, code);
    g[23] = static_cast<std::uint8_t>(item.category);
    putText(g.data(), 24, 31, name);
    putReal6(g.data(), 56, item.quantity);
    putReal6(g.data(), 62, item.netPrice);
    const int n = catalog::InsertRecord(goods, g.data());
    ShortString goodsKey(code);
    catalog::InsertKey(goodsIndex, n, goodsKey);

    const std::string winKey = (name + code).substr(0, 45);
    std::array<std::uint8_t, 58> w{};
    putText(w.data(), 0, 45, winKey);
    putReal6(w.data(), 46, item.quantity);
    putReal6(w.data(), 52, item.netPrice);
    const int m = catalog::InsertRecord(winGoods, w.data());
    ShortString winGoodsKey(winKey);
    catalog::InsertKey(winGoodsIndex, m, winGoodsKey);
  }
  catalog::CloseKeyIndex(goodsIndex);
  catalog::CloseRecordFile(goods);
  catalog::CloseKeyIndex(winGoodsIndex);
  catalog::CloseRecordFile(winGoods);
}

std::string prefixed(std::string_view utf8) {
  const std::string bytes = dos852(utf8);
  return std::string(1, static_cast<char>(bytes.size())) + bytes;
}

void writeWarehouses() {
  const std::pair<const char*, const char*> warehouses[] = {
      {"01", "Hlavný sklad"}, {"02", "Predajňa Hlavná"}, {"03", "Sklad potravín"}, {"10", "Konsignačný sklad"}};
  for (const auto& [number, name] : warehouses) {
    const std::string n = prefixed(number);
    const std::string s = prefixed(name);
    PridajSklad(reinterpret_cast<const unsigned char*>(n.data()), reinterpret_cast<const unsigned char*>(s.data()));
  }
}

// The two print files the view commands open: plain Windows-1250 text.
int writeReports(std::string& failedPath) {
  const std::vector<std::string> invoice = {
      "DEMO OBCHOD S.R.O.                         FAKTÚRA - DAŇOVÝ DOKLAD č. 2026041",
      "Hlavná 12, 811 01 Bratislava",
      "IČO: 36123456   DIČ: 2020123456   IČ DPH: SK2020123456",
      "Banka: Tatra banka a.s., č. účtu 2945123456/1100",
      "",
      "Odberateľ:  Kníhkupectvo Pod Hradom s.r.o.",
      "            Mostová 3, 949 01 Nitra",
      "            IČO: 44556677   IČ DPH: SK2022334455",
      "",
      "Dátum vystavenia: 10.12.2026   Dátum dodania: 10.12.2026   Splatnosť: 24.12.2026",
      "Forma úhrady: prevodným príkazom        Konštantný symbol: 0308",
      "",
      "Č.tovaru  Názov                          Množstvo  Cena bez DPH  Sadzba  Spolu s DPH",
      "-------------------------------------------------------------------------------------",
      "1001      Kancelársky papier A4            10 ks         4,90     23 %        60,27",
      "3001      Učebnica slovenčiny               5 ks         9,90      5 %        51,98",
      "2004      Káva zrnková 1 kg                 2 ks        14,90     19 %        35,46",
      "9001      Doprava tovaru                    1 ks        15,00     23 %        18,45",
      "-------------------------------------------------------------------------------------",
      "Základ DPH 23 %:   64,00   DPH:  14,72",
      "Základ DPH 19 %:   29,80   DPH:   5,66",
      "Základ DPH  5 %:   49,50   DPH:   2,48",
      "",
      "CELKOM K ÚHRADE:                                                          166,16 EUR",
      "",
      "Spoločnosť je zapísaná v Obchodnom registri Okresného súdu Bratislava I,",
      "oddiel Sro, vložka č. 12345/B.",
  };
  const std::vector<std::string> book = {
      "DEMO OBCHOD S.R.O.                     KNIHA VYDANÝCH FAKTÚR  12/2026",
      "",
      "Číslo      Dátum       Odberateľ                        Základ     DPH      Spolu",
      "----------------------------------------------------------------------------------",
      "2026038    01.12.2026  Stavebniny Záhorie s.r.o.        410,00    94,30    504,30",
      "2026039    03.12.2026  Jozef Kováč - KOVOS              128,50    29,56    158,06",
      "2026040    07.12.2026  Pekáreň u Mlynára                 87,20    16,57    103,77",
      "2026041    10.12.2026  Kníhkupectvo Pod Hradom s.r.o.   143,30    22,86    166,16",
      "----------------------------------------------------------------------------------",
      "Spolu za obdobie                                        769,00   163,29    932,29",
  };
  std::vector<std::string> encoded;
  for (const auto& line : invoice) encoded.push_back(win1250(line));
  if (const int code = writeTextFile("C:\\DOVODO\\DATA\\TOVARVYD.SPL", encoded, failedPath)) return code;
  encoded.clear();
  for (const auto& line : book) encoded.push_back(win1250(line));
  return writeTextFile("C:\\DOVODO\\DATA\\KNIHAFAK.SPL", encoded, failedPath);
}

}  // namespace

int makeDemoDrive(std::string& failedPath) {
  for (auto step : {makeFolders, writeParameterFiles, writeCompanyRecord, writeVatRates, writeInvoiceCounter,
                    writeInvoiceFooter, writeReports}) {
    if (const int code = step(failedPath)) return code;
  }
  // The library journals its failures in the current folder, as in SPUSTAC.
  failedPath = "C:\\TEMP";
  if (const int code = setCurrentFolder("C:\\TEMP")) return code;
  writeGoodsCatalogue();
  writeWarehouses();
  ZmenSadzbyDPHVKataloguTovarov();
  failedPath.clear();
  return 0;
}

}  // namespace vortena::demo
