#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// cp1251available(), which the program asks at start-up: without the codec it does not start.
#include "codec/cp1251.h"

// The one crossing between the sheet's Windows-1251 bytes and the widgets' QString, through
// the codec the checker uses too.

QString fromcp1251(std::string_view bytes);

// Characters that Windows-1251 cannot hold become "?", one per character.
std::string tocp1251(const QString& text);
std::vector<std::string> tocp1251(const QStringList& texts);
