#pragma once

#include <QString>
#include <exception>
#include <string_view>
#include <utility>

#include "catalogue/apperror.h"

class QWidget;

// The application title: the program file's name up to its first ".", every character
// after the first in lower case.
QString apptitle();

// The message as the error box shows it, as text for people.
QString errorboxtext(std::string_view message);

// The modal stop box with one OK button that every failed handler ends in.
void showerror(std::string_view message);

// Runs a handler the window system calls; an error it throws is shown and the program
// goes on. Every event handler of the windows goes through here.
template <typename Handler>
void guarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const AppError& error) {
        showerror(error.message());
    } catch (const std::exception& error) {
        showerror(error.what());
    }
}

// Wraps a handler for connect(): the slot runs it through guarded().
template <typename Handler>
auto guard(Handler handler) {
    return [handler = std::move(handler)](auto&&...) { guarded(handler); };
}
