#pragma once

#include <QFont>
#include <QStringList>

// The program's sans-serif font with Cyrillic, at a height in pixels as both windows give
// their fonts.
inline QFont pixelfont(int pixels) {
    QFont font(QStringList{"DejaVu Sans", "Liberation Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}
