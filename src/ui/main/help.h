#pragma once

class QString;
class QWidget;

// The help message: a plain modal box with one OK button, centred on the screen.
void showhelp(QWidget* parent, const QString& text);
