#include "params/parameter_files.h"

#include "common/code_page.h"
#include "common/text.h"
#include "params/check_io_result.h"
#include "params/parameter_store.h"
#include "params/stop_ui.h"
#include "platform/text_file.h"

namespace vortena {

namespace {

void check(int code, const char* message, int number) {
  if (code == 0) return;
  CheckIoResult(code, std::string(message) + std::to_string(number));
}

std::string padded(const std::string& value, std::size_t width, Padding padding) {
  switch (padding) {
    case Padding::Right: return PadRightSpaces(value, width);
    case Padding::Left: return PadLeftSpaces(value, width);
    case Padding::None: break;
  }
  return value;
}

// P8 is valid exactly when it is one digit.
void convertQuantityDecimals(const std::string& text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
    parameterStore().setQuantityDecimals(static_cast<std::int16_t>(text[0] - '0'));
    return;
  }
  stopUi().showWarning(utf8ToBytes(CodePage::Windows1250, "Chyba premeny desatín množstva na číslo"));
  stopUi().endProgram(kConversionExitCode);
}

}  // namespace

std::string parameterPath(int number) {
  if (number == 6 || number == 7) return "C:\\DOVODO\\DATA\\P\\P" + std::to_string(number) + ".DAT";
  return "C:\\" + parameterStore().parameterFolder() + "\\P\\P" + std::to_string(number) + ".DAT";
}

void readParameter(int number) {
  const ParameterLayout& layout = parameterLayout(number);
  ParameterStore& store = parameterStore();
  // P8's text lives only until its conversion.
  std::string p8Text(layout.lines[0].initial);
  if (number == 8) store.setQuantityDecimals(2);
  for (int line = 0; line < layout.lineCount; ++line)
    if (number != 8) store.setValue(number, layout.lines[static_cast<std::size_t>(line)].initial, line);

  const std::string path = parameterPath(number);
  TextReader reader;
  check(reader.open(path), "Chyba pri reset parametra P", number);
  for (int line = 0; line < layout.lineCount; ++line) {
    std::string value;
    const std::size_t maxLength = layout.lines[static_cast<std::size_t>(line)].maxLength;
    check(reader.readLine(value, maxLength), "Chyba pri nacitani parametra P", number);
    if (number == 8)
      p8Text = value;
    else
      store.setValue(number, padded(value, maxLength, layout.padding), line);
  }
  check(reader.close(), "Chyba pri zatvarani parametra P", number);
  if (number == 8) convertQuantityDecimals(p8Text);
}

void saveParameter(int number) {
  const ParameterLayout& layout = parameterLayout(number);
  ParameterStore& store = parameterStore();
  const std::size_t maxLength = layout.lines[0].maxLength;
  store.setValue(number, PadRightSpaces(store.value(number), maxLength));

  const std::string path = parameterPath(number);
  TextWriter writer;
  check(writer.create(path), "Chyba pri rewrite parametra P", number);
  check(writer.writeLine(store.value(number)), "Chyba pri zapise parametra P", number);
  check(writer.close(), "Chyba pri zatvarani parametra P", number);
}

void LoadParameters() {
  readParameter(6);
  readParameter(7);
  readParameter(5);
  for (int number = 8; number <= kLastParameter; ++number) readParameter(number);
}

#define VORTENA_READER(n) \
  void ReadParameterP##n() { readParameter(n); }
VORTENA_READER(5)
VORTENA_READER(6)
VORTENA_READER(7)
VORTENA_READER(8)
VORTENA_READER(9)
VORTENA_READER(10)
VORTENA_READER(11)
VORTENA_READER(12)
VORTENA_READER(13)
VORTENA_READER(14)
VORTENA_READER(15)
VORTENA_READER(16)
VORTENA_READER(17)
VORTENA_READER(18)
VORTENA_READER(19)
VORTENA_READER(20)
VORTENA_READER(21)
VORTENA_READER(22)
VORTENA_READER(23)
VORTENA_READER(24)
VORTENA_READER(25)
VORTENA_READER(26)
VORTENA_READER(27)
VORTENA_READER(28)
VORTENA_READER(29)
VORTENA_READER(30)
VORTENA_READER(31)
VORTENA_READER(32)
VORTENA_READER(33)
VORTENA_READER(34)
VORTENA_READER(35)
VORTENA_READER(36)
VORTENA_READER(37)
VORTENA_READER(38)
VORTENA_READER(39)
VORTENA_READER(40)
#undef VORTENA_READER

void SaveParameterP35() { saveParameter(35); }
void SaveParameterP37() { saveParameter(37); }
void SaveParameterP38() { saveParameter(38); }
void SaveParameterP39() { saveParameter(39); }
void SaveParameterP40() { saveParameter(40); }

}  // namespace vortena
