#pragma once

#include "sheet/pickresult.h"

// What the main window needs of the selection dialog: a modal opening that reads the
// state's picksource, may append to the taken lists and says how it ended.
class PickDialog {
public:
    virtual ~PickDialog() = default;
    virtual PickResult pick() = 0;
};
