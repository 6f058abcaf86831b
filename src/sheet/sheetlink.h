#pragma once

#include <optional>
#include <string>
#include <string_view>

// A link that carries a copied sheet in its fragment, after "#", which a browser never sends
// to a server: "sheet=" and the copy's Windows-1251 bytes in base64url without padding. One
// byte a character makes it a quarter the length of percent-encoded UTF-8, and its letters,
// digits, "-" and "_" pass through chats and mail as one word of a link.
std::string sheetfragment(std::string_view text);

// Whether `fragment` (without its "#") is one of ours; any other fragment is left alone.
bool issheetfragment(std::string_view fragment);

// The copy's text that a fragment of ours holds; nothing when it holds a character outside
// base64url or is cut where no whole byte ends.
std::optional<std::string> fragmentsheet(std::string_view fragment);
