#include "encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr auto kCodec = "windows-1251";

}  // namespace

bool cp1251available() {
    return QStringDecoder(kCodec).isValid() && QStringEncoder(kCodec).isValid();
}

QString fromcp1251(std::string_view bytes) {
    QStringDecoder decoder(kCodec);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string tocp1251(const QString& text) {
    QStringEncoder encoder(kCodec);
    const QByteArray encoded = encoder.encode(text);
    std::string bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    // The codec writes Ctrl-Z for what it cannot encode, one byte per code point; the
    // catalogues give Ctrl-Z a meaning of its own, so those become "?".
    qsizetype unit = 0;
    for (char& byte : bytes) {
        if (unit >= text.size()) break;
        const bool pair = text[unit].isHighSurrogate() && unit + 1 < text.size() &&
                          text[unit + 1].isLowSurrogate();
        if (byte == '\x1A' && (pair || text[unit] != QChar(0x1A))) byte = '?';
        unit += pair ? 2 : 1;
    }
    return bytes;
}
