#pragma once

// How an opening of the selection dialog ended; callers test for Taken only.
enum class PickResult {
    Open = 0,
    // At least one entry was appended in this opening, the one to show last.
    Taken = 1,
    // With the window's close box.
    Closed = 2,
    // "Отмена", or an OK that took nothing.
    Cancelled = 7,
};
