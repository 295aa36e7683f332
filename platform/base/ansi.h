// 8-bit text as the game writes it (Windows-1252) to and from Unicode, for the places where
// file text meets a widget or a host file name.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString FromAnsi(std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string ToAnsi(const QString& text);
// Every character of the text has a Windows-1252 byte ("é" has, "Ω" has not).
bool FitsAnsi(const QString& text);
// The bytes the text takes as a host file name (UTF-8): "é" is one byte here and two there.
size_t HostNameBytes(std::string_view bytes);

}  // namespace platform
