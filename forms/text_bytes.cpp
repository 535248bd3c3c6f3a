#include "forms/text_bytes.h"

#include "common/code_page.h"

namespace vortena::forms {

namespace {

QString fromBytes(CodePage page, std::string_view bytes) {
  return QString::fromStdString(bytesToUtf8(page, bytes));
}

std::string toBytes(CodePage page, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return utf8ToBytes(page, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace

QString fromWin1250(std::string_view bytes) { return fromBytes(CodePage::Windows1250, bytes); }
std::string toWin1250(const QString& text) { return toBytes(CodePage::Windows1250, text); }
QString fromDos852(std::string_view bytes) { return fromBytes(CodePage::Dos852, bytes); }
std::string toDos852(const QString& text) { return toBytes(CodePage::Dos852, text); }

}  // namespace vortena::forms
