#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one crossing between the sheet's Windows-1251 bytes and the widgets' QString, through
// the codec the platform has: Qt's own where it has one for the code page, else the system's.

// Whether the codec can be had; without it every catalogue text would come out blank, so the
// program does not start.
bool cp1251available();

QString fromcp1251(std::string_view bytes);

// Characters that Windows-1251 cannot hold become "?".
std::string tocp1251(const QString& text);
