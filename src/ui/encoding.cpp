#include "encoding.h"

QString fromcp1251(std::string_view bytes) {
    const std::u16string text = cp1251toutf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string tocp1251(const QString& text) {
    return utf16tocp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

std::vector<std::string> tocp1251(const QStringList& texts) {
    std::vector<std::string> bytes;
    bytes.reserve(texts.size());
    for (const QString& text : texts) bytes.push_back(tocp1251(text));
    return bytes;
}
