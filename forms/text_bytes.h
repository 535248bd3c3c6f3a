#pragma once
// Text crossing the widget edge. Files and the programs' own values hold
// 8-bit bytes (Windows-1250 for SPUSTAC's files, DOS 852 for the modules'
// record files); widgets hold QString. A character with no place in the
// code page becomes '?'.

#include <QString>
#include <string>
#include <string_view>

namespace vortena::forms {

QString fromWin1250(std::string_view bytes);
std::string toWin1250(const QString& text);

QString fromDos852(std::string_view bytes);
std::string toDos852(const QString& text);

}  // namespace vortena::forms
