/* A 32-bit Windows program that loads SKLADLIB.DLL the way the suite's
 * programs do (by name, each export looked up by its undecorated name) and
 * checks the five exports on a scratch drive C: named by VORTENA_DRIVE_C.
 *
 * Every call goes through callStdcall, which pushes the arguments itself,
 * first-listed first, and compares ESP before and after the call: an export
 * that pops the wrong number of bytes is reported instead of corrupting the
 * stack quietly. Only AL of a result is significant.
 *
 * The program prints "skladlib-caller: ok" as its last line when every check
 * passed and exits 0; any mismatch prints the failing check and exits 1. The
 * library ends the process on an input/output failure, so the marker line is
 * what tells a complete run from one that the library cut short. */

#include <windows.h>

#include <math.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef void(__stdcall* AnyExport)(void);

static int g_failures;

static void fail(const char* format, ...) {
  va_list args;
  va_start(args, format);
  fputs("skladlib-caller: FAIL: ", stdout);
  vprintf(format, args);
  fputc('\n', stdout);
  va_end(args);
  ++g_failures;
}

/* Calls fn with argc (0 to 2) pointer arguments, pushed first-listed first.
 * Returns EAX; *popped is how many bytes the callee removed from the stack.
 * ESP is restored from EDI afterwards, so a wrong contract is survivable. */
static unsigned callStdcall(AnyExport fn, int argc, const void* first, const void* second, int* popped) {
  unsigned result;
  int delta;
  int pushed = argc * 4;
  const void* a = first;
  const void* b = second;
  void* target = (void*)fn;
  if (argc == 2) {
    __asm__ volatile(
        "movl %%esp, %%edi\n\t"
        "pushl %%ecx\n\t"
        "pushl %%edx\n\t"
        "call *%%ebx\n\t"
        "movl %%esp, %%esi\n\t"
        "subl %%edi, %%esi\n\t"
        "movl %%edi, %%esp\n\t"
        : "=a"(result), "=S"(delta), "+b"(target), "+c"(a), "+d"(b)
        :
        : "edi", "memory", "cc");
  } else if (argc == 1) {
    __asm__ volatile(
        "movl %%esp, %%edi\n\t"
        "pushl %%ecx\n\t"
        "call *%%ebx\n\t"
        "movl %%esp, %%esi\n\t"
        "subl %%edi, %%esi\n\t"
        "movl %%edi, %%esp\n\t"
        : "=a"(result), "=S"(delta), "+b"(target), "+c"(a), "+d"(b)
        :
        : "edi", "memory", "cc");
  } else {
    __asm__ volatile(
        "movl %%esp, %%edi\n\t"
        "call *%%ebx\n\t"
        "movl %%esp, %%esi\n\t"
        "subl %%edi, %%esi\n\t"
        "movl %%edi, %%esp\n\t"
        : "=a"(result), "=S"(delta), "+b"(target), "+c"(a), "+d"(b)
        :
        : "edi", "memory", "cc");
  }
  /* delta = ESP after - ESP before the pushes: 0 when the callee popped
   * exactly what was pushed. */
  *popped = pushed + delta;
  return result;
}

/* ---- the library ---- */

static AnyExport g_pridaj, g_vymaz, g_najdi, g_import, g_reprice;

static AnyExport lookUp(HMODULE dll, const char* name) {
  AnyExport fn = (AnyExport)(void*)GetProcAddress(dll, name);
  if (!fn) fail("export %s not found by its undecorated name", name);
  return fn;
}

static void checkPop(const char* name, int popped, int expected) {
  if (popped != expected) fail("%s removed %d bytes from the stack, expected %d", name, popped, expected);
}

/* Length-prefixed string from C text (at most 255 bytes). */
static void shortString(unsigned char* out, const char* text) {
  size_t n = strlen(text);
  if (n > 255) n = 255;
  out[0] = (unsigned char)n;
  memcpy(out + 1, text, n);
}

static void pridajSklad(const char* number, const char* name) {
  unsigned char num[256], nam[256];
  int popped;
  shortString(num, number);
  shortString(nam, name);
  /* PridajSklad(number, name): number pushed first. */
  callStdcall(g_pridaj, 2, num, nam, &popped);
  checkPop("PridajSklad", popped, 8);
  if (num[0] != strlen(number) || nam[0] != strlen(name)) fail("PridajSklad changed its arguments");
}

static void vymazSklad(const char* number) {
  unsigned char num[256];
  int popped;
  shortString(num, number);
  callStdcall(g_vymaz, 1, num, NULL, &popped);
  checkPop("VymazSklad", popped, 4);
}

static int najdiSklad(const char* number) {
  unsigned char num[256];
  int popped;
  unsigned result;
  shortString(num, number);
  result = callStdcall(g_najdi, 1, num, NULL, &popped) & 0xFFu;
  checkPop("NajdiSklad", popped, 4);
  if (result > 1) fail("NajdiSklad(%s) returned %u, not a truth value", number, result);
  return (int)result;
}

static void callVoid(AnyExport fn, const char* name) {
  int popped;
  callStdcall(fn, 0, NULL, NULL, &popped);
  checkPop(name, popped, 0);
}

/* ---- files on the scratch drive ---- */

static char g_drive[MAX_PATH];

static void hostPathOf(char* out, const char* rest) { snprintf(out, MAX_PATH, "%s\\%s", g_drive, rest); }

static int writeWhole(const char* rest, const void* bytes, size_t length) {
  char path[MAX_PATH];
  FILE* f;
  hostPathOf(path, rest);
  f = fopen(path, "wb");
  if (!f || fwrite(bytes, 1, length, f) != length || fclose(f) != 0) {
    fail("cannot write %s", path);
    return 0;
  }
  return 1;
}

/* Reads the whole file into a malloc'ed buffer; NULL when it is missing. */
static unsigned char* readWhole(const char* rest, size_t* length) {
  char path[MAX_PATH];
  FILE* f;
  long size;
  unsigned char* bytes;
  hostPathOf(path, rest);
  f = fopen(path, "rb");
  if (!f) return NULL;
  fseek(f, 0, SEEK_END);
  size = ftell(f);
  fseek(f, 0, SEEK_SET);
  bytes = (unsigned char*)malloc(size > 0 ? (size_t)size : 1);
  *length = fread(bytes, 1, (size_t)size, f);
  fclose(f);
  return bytes;
}

static int exists(const char* rest) {
  char path[MAX_PATH];
  hostPathOf(path, rest);
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

/* ---- six-byte reals ---- */

/* Value = (1 + f / 2^39) * 2^(e - 129); byte 0 e, bytes 1-5 f low byte
 * first, the top bit of byte 5 the sign; e = 0 is zero. */
static void real6(unsigned char* out, double value) {
  int exponent;
  double m;
  unsigned long long f;
  int i;
  memset(out, 0, 6);
  if (value == 0) return;
  m = frexp(value < 0 ? -value : value, &exponent); /* value = m * 2^exponent, m in [0.5, 1) */
  f = (unsigned long long)((m * 2 - 1) * 549755813888.0 + 0.5);
  if (f >> 39) {
    f = 0;
    ++exponent;
  }
  out[0] = (unsigned char)(exponent - 1 + 129);
  for (i = 1; i <= 5; ++i) out[i] = (unsigned char)(f >> (8 * (i - 1)));
  if (value < 0) out[5] |= 0x80;
}

/* ---- the goods catalogue fixture ----
 * TOVAR.DAT records of 111 bytes:
 *   OFFSET SIZE MEANING
 *   0      23   first text (length byte, characters)
 *   23     1    VAT category '1', '2' or '3'
 *   24     32   second text (length byte, characters)
 *   56     6    amount, copied to WIN-TOV.DAT
 *   62     6    net price
 *   74     6    VAT rate, set by the repricing
 *   80     6    price with VAT, set by the repricing
 * WIN-TOV.DAT records of 58 bytes: 46 amount, 52 net price; its key is the
 * second text followed by the first, cut to 45.
 * Index pages: 1 count, 2 leftChild, then items of K + 5 bytes
 * (2 dataRef, 2 childPage, 1 key length, K key bytes); 32 items a page. */

struct Goods {
  const char* first;
  char category;
  const char* second;
  double net;
  double expectedRate;  /* negative: the bytes must stay as they were */
  double expectedGross; /* the same */
  int hasWinEntry;
};

static const struct Goods kGoods[] = {
    {"CHLIEB", '2', "PEKAREN", 100.0, 20.0, 120.0, 1},
    {"MASLO", '1', "MLIEKAREN", 10.55, 19.0, 12.6, 1},
    {"SOL", '3', "OBCHOD", 0.25, 0.0, 0.3, 0},
    {"VODA", 'X', "PRAMEN", 7.0, -1, -1, 1},
};
enum { kGoodsCount = sizeof kGoods / sizeof kGoods[0] };

static void putLe16(unsigned char* p, int v) {
  p[0] = (unsigned char)(v & 0xFF);
  p[1] = (unsigned char)((v >> 8) & 0xFF);
}

static void putText(unsigned char* p, const char* text) {
  size_t n = strlen(text);
  p[0] = (unsigned char)n;
  memcpy(p + 1, text, n);
}

static void header(unsigned char* record, int rootPage, int count) {
  putLe16(record, -1);
  putLe16(record + 2, 0);
  putLe16(record + 4, rootPage);
  putLe16(record + 6, count);
}

/* An index of one root page holding keys[i] -> refs[i]; keys ascend. */
static void writeIndex(const char* rest, int keyLength, int n, const char** keys, const int* refs) {
  const int pageLength = (keyLength + 5) * 32 + 3;
  unsigned char* file = (unsigned char*)calloc(2, (size_t)pageLength);
  unsigned char* page = file + pageLength;
  int i;
  header(file, 1, 2);
  page[0] = (unsigned char)n;
  putLe16(page + 1, 0);
  for (i = 0; i < n; ++i) {
    unsigned char* item = page + 3 + i * (keyLength + 5);
    size_t len = strlen(keys[i]);
    if (len > (size_t)keyLength) len = (size_t)keyLength;
    putLe16(item, refs[i]);
    putLe16(item + 2, 0);
    item[4] = (unsigned char)len;
    memcpy(item + 5, keys[i], len);
  }
  writeWhole(rest, file, (size_t)pageLength * 2);
  free(file);
}

static unsigned char g_goods[1 + kGoodsCount][111];
static unsigned char g_win[1 + kGoodsCount][58];

static void writeGoodsFixture(void) {
  const char* goodsKeys[kGoodsCount];
  int goodsRefs[kGoodsCount];
  char winKeys[kGoodsCount][64];
  const char* winKeyPtrs[kGoodsCount];
  int winRefs[kGoodsCount];
  int winCount = 0;
  int i, j;
  unsigned char rates[18];

  real6(rates, 19.0);
  real6(rates + 6, 20.0);
  real6(rates + 12, 0.0);
  writeWhole("DOVODO\\DATA\\SADZDPH.DAT", rates, sizeof rates);

  header(g_goods[0], 0, 1 + kGoodsCount);
  header(g_win[0], 0, 1);
  for (i = 0; i < kGoodsCount; ++i) {
    unsigned char* g = g_goods[1 + i];
    for (j = 0; j < 111; ++j) g[j] = (unsigned char)(0xA0 + (i * 7 + j) % 50); /* bytes that must survive */
    putText(g, kGoods[i].first);
    g[23] = (unsigned char)kGoods[i].category;
    putText(g + 24, kGoods[i].second);
    real6(g + 56, 3.0 + i);
    real6(g + 62, kGoods[i].net);
    real6(g + 74, 99.0);  /* an old rate */
    real6(g + 80, 999.0); /* an old price */
    /* The fixture's first texts ascend already, so record order is key order. */
    goodsKeys[i] = kGoods[i].first;
    goodsRefs[i] = 1 + i;
    if (kGoods[i].hasWinEntry) {
      unsigned char* w = g_win[1 + winCount];
      for (j = 0; j < 58; ++j) w[j] = (unsigned char)(0x30 + (i + j) % 40);
      snprintf(winKeys[winCount], sizeof winKeys[winCount], "%s%s", kGoods[i].second, kGoods[i].first);
      winRefs[winCount] = 1 + winCount;
      ++winCount;
    }
  }
  /* The WIN-TOV keys must ascend in their page: a few entries, sort them. */
  for (i = 0; i < winCount; ++i) winKeyPtrs[i] = winKeys[i];
  for (i = 1; i < winCount; ++i)
    for (j = i; j > 0 && strcmp(winKeyPtrs[j - 1], winKeyPtrs[j]) > 0; --j) {
      const char* k = winKeyPtrs[j];
      int r = winRefs[j];
      winKeyPtrs[j] = winKeyPtrs[j - 1];
      winRefs[j] = winRefs[j - 1];
      winKeyPtrs[j - 1] = k;
      winRefs[j - 1] = r;
    }
  putLe16(g_win[0] + 6, 1 + winCount);
  writeWhole("DOVODO\\DATA\\TOVAR.DAT", g_goods, sizeof g_goods);
  writeWhole("DOVODO\\DATA\\WIN-TOV.DAT", g_win, (size_t)(1 + winCount) * 58);
  writeIndex("DOVODO\\DATA\\TOVAR.IND", 15, kGoodsCount, goodsKeys, goodsRefs);
  writeIndex("DOVODO\\DATA\\WIN-TOV.IND", 45, winCount, winKeyPtrs, winRefs);
}

static void checkRepricedGoods(void) {
  size_t goodsLength = 0, winLength = 0;
  unsigned char* goods = readWhole("DOVODO\\DATA\\TOVAR.DAT", &goodsLength);
  unsigned char* win = readWhole("DOVODO\\DATA\\WIN-TOV.DAT", &winLength);
  int i, j, winIndex = 0;
  if (!goods || goodsLength != sizeof g_goods || !win) {
    fail("goods files missing or resized after the repricing");
    free(goods);
    free(win);
    return;
  }
  for (i = 0; i < kGoodsCount; ++i) {
    const unsigned char* before = g_goods[1 + i];
    const unsigned char* after = goods + (size_t)(1 + i) * 111;
    unsigned char expected[111];
    memcpy(expected, before, 111);
    if (kGoods[i].expectedRate >= 0) {
      real6(expected + 74, kGoods[i].expectedRate);
      real6(expected + 80, kGoods[i].expectedGross);
    }
    for (j = 0; j < 111; ++j)
      if (after[j] != expected[j]) {
        fail("goods record %d (%s) byte %d is %02X, expected %02X", 1 + i, kGoods[i].first, j, after[j], expected[j]);
        break;
      }
    if (kGoods[i].hasWinEntry) {
      const unsigned char* w = win + (size_t)(1 + winIndex) * 58;
      if (memcmp(w, g_win[1 + winIndex], 46) != 0) fail("WIN-TOV record %d: bytes 0-45 changed", 1 + winIndex);
      if (memcmp(w + 46, before + 56, 6) != 0) fail("WIN-TOV record %d: amount not copied", 1 + winIndex);
      if (memcmp(w + 52, before + 62, 6) != 0) fail("WIN-TOV record %d: net price not copied", 1 + winIndex);
      ++winIndex;
    }
  }
  free(goods);
  free(win);
}

/* The warehouse record with this number, or NULL (records of 24 bytes:
 * 3 number, 21 name). */
static int findWarehouseRecord(const char* number, unsigned char* out) {
  size_t length = 0, n;
  unsigned char* data = readWhole("DOVODO\\DATA\\KAT-SKL.DAT", &length);
  int found = 0;
  if (!data) return 0;
  for (n = 24; n + 24 <= length && !found; n += 24)
    if (data[n] == strlen(number) && memcmp(data + n + 1, number, data[n]) == 0) {
      memcpy(out, data + n, 24);
      found = 1;
    }
  free(data);
  return found;
}

static void checkWarehouses(void) {
  unsigned char record[24];
  static const char kImport[] = "05\r\nSklad a\r\n066\r\nB\r\n\x1A" "07\r\nNOT READ\r\n";

  if (najdiSklad("01")) fail("NajdiSklad(01) found a warehouse in an empty catalogue");
  if (!exists("DOVODO\\DATA\\KAT-SKL.DAT") || !exists("DOVODO\\DATA\\KAT-SKL.IND") ||
      !exists("DOVODO\\DATA\\KAT-SKLN.IND"))
    fail("the first call did not create the three catalogue files");

  pridajSklad("01", "ABC");
  if (!najdiSklad("01")) fail("NajdiSklad(01) after PridajSklad(01, ABC)");
  if (najdiSklad("1")) fail("NajdiSklad(1) found the warehouse 01");
  if (!findWarehouseRecord("01", record) || record[3] != 3 || memcmp(record + 4, "ABC", 3) != 0)
    fail("KAT-SKL.DAT does not hold 01 ABC");

  pridajSklad("123", "A NAME OF TWENTY-FIVE CHARS");
  if (!najdiSklad("12")) fail("PridajSklad(123, ...) did not store 12");
  if (!findWarehouseRecord("12", record) || record[3] != 20) fail("the name of 12 was not cut to 20");

  pridajSklad("01", "RENAMED");
  if (!findWarehouseRecord("01", record) || record[3] != 7 || memcmp(record + 4, "RENAMED", 7) != 0)
    fail("PridajSklad with an existing number did not rename it");

  vymazSklad("01");
  if (najdiSklad("01")) fail("NajdiSklad(01) after VymazSklad(01)");
  vymazSklad("99"); /* not there: nothing happens */
  if (!najdiSklad("12")) fail("VymazSklad removed the wrong warehouse");

  writeWhole("DOVODO\\OVLACC\\VstupSklady.DAT", kImport, sizeof kImport - 1);
  callVoid(g_import, "PridajSkladyZTextovehoSuboru");
  if (exists("DOVODO\\OVLACC\\VstupSklady.DAT")) fail("the import file is still there after the import");
  if (!najdiSklad("05") || !najdiSklad("06")) fail("the import did not add 05 and 06");
  if (najdiSklad("07")) fail("the import read past the Ctrl-Z");
  if (!findWarehouseRecord("05", record) || record[3] != 20 || memcmp(record + 4, "SKLAD A             ", 20) != 0)
    fail("the imported name of 05 is not SKLAD A filled to 20");
  callVoid(g_import, "PridajSkladyZTextovehoSuboru"); /* no file: nothing */
}

int main(void) {
  HMODULE dll;
  DWORD got = GetEnvironmentVariableA("VORTENA_DRIVE_C", g_drive, sizeof g_drive);
  char path[MAX_PATH];
  if (got == 0 || got >= sizeof g_drive) {
    printf("skladlib-caller: VORTENA_DRIVE_C must name the scratch drive folder\n");
    return 1;
  }
  hostPathOf(path, "DOVODO");
  CreateDirectoryA(path, NULL);
  hostPathOf(path, "DOVODO\\DATA");
  CreateDirectoryA(path, NULL);
  hostPathOf(path, "DOVODO\\OVLACC");
  CreateDirectoryA(path, NULL);

  dll = LoadLibraryA("SKLADLIB.DLL");
  if (!dll) {
    printf("skladlib-caller: FAIL: LoadLibrary(SKLADLIB.DLL) failed with %lu\n", GetLastError());
    return 1;
  }
  g_pridaj = lookUp(dll, "PridajSklad");
  g_vymaz = lookUp(dll, "VymazSklad");
  g_najdi = lookUp(dll, "NajdiSklad");
  g_import = lookUp(dll, "PridajSkladyZTextovehoSuboru");
  g_reprice = lookUp(dll, "ZmenSadzbyDPHVKataloguTovarov");
  if (g_failures) return 1;

  checkWarehouses();

  writeGoodsFixture();
  callVoid(g_reprice, "ZmenSadzbyDPHVKataloguTovarov");
  checkRepricedGoods();

  if (exists("CHYBOVNIK.TXT")) fail("the library wrote a journal");
  if (g_failures) {
    printf("skladlib-caller: %d check(s) failed\n", g_failures);
    return 1;
  }
  printf("skladlib-caller: ok\n");
  return 0;
}
