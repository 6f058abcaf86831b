#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "picksource.h"
#include "sheetmodel.h"
#include "sheetwords.h"

// One block of the sheet: a caption over a table, with the attribute's field beside the
// caption for the seven attributes. The views build their controls from this table, and
// the copy reads the sheet in its order.
struct SheetBlock {
    // Numbers the controls' object names: Label<n>, SpinEdit<n>, ValueListEditor<n>.
    int number;
    std::string_view caption;
    // What a click on the caption, or Insert in the table, offers to take.
    PickSource source;
    // Place in the grid of four columns and two rows.
    int column;
    int row;
    std::string_view keytitle;
    std::string_view valuetitle;

    constexpr bool hasfield() const { return !source.isfeatures(); }
    constexpr bool isfeatures() const { return source.isfeatures(); }
    // The caption's tag: the attribute, 0 for the features.
    constexpr int tag() const { return isfeatures() ? 0 : source.attribute(); }
};

inline constexpr std::array<SheetBlock, kTables> kSheetBlocks{{
    {1, words::kStrength, PickSource::skills(1), 0, 0, words::kSkill, words::kLevelTitle},
    {2, words::kEndurance, PickSource::skills(2), 1, 0, words::kSkill, words::kLevelTitle},
    {3, words::kAgility, PickSource::skills(3), 2, 0, words::kSkill, words::kLevelTitle},
    {4, words::kEducation, PickSource::skills(4), 3, 0, words::kSkill, words::kLevelTitle},
    {5, words::kThinking, PickSource::skills(5), 0, 1, words::kSkill, words::kLevelTitle},
    {6, words::kConfidence, PickSource::skills(6), 1, 1, words::kSkill, words::kLevelTitle},
    {7, words::kLuck, PickSource::skills(7), 2, 1, words::kSkill, words::kLevelTitle},
    {8, words::kFeatures, PickSource::features(), 3, 1, words::kFeature, words::kPriceTitle},
}};

// Block i stands for attribute i + 1 and table i of the model; the features come last.
consteval bool blocksinmodelorder() {
    for (std::size_t i = 0; i < kAttributes; ++i) {
        const SheetBlock& block = kSheetBlocks[i];
        if (!block.hasfield() || block.source.attribute() != static_cast<int>(i) + 1) return false;
        if (block.number != static_cast<int>(i) + 1) return false;
    }
    return kSheetBlocks[kFeatureTable].isfeatures() &&
           kSheetBlocks[kFeatureTable].number == static_cast<int>(kTables);
}
static_assert(blocksinmodelorder());
static_assert(kSheetBlocks.size() == kTables && kAttributes + 1 == kTables);
