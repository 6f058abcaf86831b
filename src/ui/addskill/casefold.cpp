#include "casefold.h"

#include <QString>
#include <string>

#include "ui/encoding.h"

namespace {

std::array<unsigned char, 256> buildfold() {
    std::array<unsigned char, 256> fold{};
    for (std::size_t byte = 0; byte < fold.size(); ++byte) {
        fold[byte] = static_cast<unsigned char>(byte);
        const QString text = fromcp1251(std::string(1, static_cast<char>(byte)));
        if (text.size() != 1 || !text[0].isLetter()) continue;
        const QChar lower = text[0].toLower() == QChar(u'ё') ? QChar(u'е') : text[0].toLower();
        const std::string folded = tocp1251(QString(lower));
        if (folded.size() == 1) fold[byte] = static_cast<unsigned char>(folded[0]);
    }
    return fold;
}

}  // namespace

const std::array<unsigned char, 256>& cp1251fold() {
    static const std::array<unsigned char, 256> fold = buildfold();
    return fold;
}
