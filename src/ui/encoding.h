#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one crossing between the sheet's Windows-1251 bytes and the widgets' QString.

QString fromcp1251(std::string_view bytes);

// Characters that Windows-1251 cannot hold become "?".
std::string tocp1251(const QString& text);
