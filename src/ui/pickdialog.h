#pragma once

// What the main window needs of the selection dialog: a modal opening that reads the
// state's picksource, may append to the taken lists and returns the dialog result
// (1: something was taken; 7: cancelled; 2: closed with the close box).
class PickDialog {
public:
    virtual ~PickDialog() = default;
    virtual int pick() = 0;
};
