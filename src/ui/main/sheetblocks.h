#pragma once

#include <array>

#include "sheet/picksource.h"

// One block of the sheet: a caption over a table, with the attribute's field beside the
// caption for the seven attributes. The window creates, lays out and wires its controls from
// this table, and the copy reads the sheet in its order.
struct SheetBlock {
    // Numbers the controls' object names: Label<n>, SpinEdit<n>, ValueListEditor<n>.
    int number;
    const char* caption;
    // What a click on the caption, or Insert in the table, offers to take.
    PickSource source;
    // Place in the grid of four columns and two rows.
    int column;
    int row;
    const char* keytitle;
    const char* valuetitle;
    // The table's width and key column at creation; the layout sets both afresh.
    int tablewidth;
    int keywidth;

    constexpr bool hasfield() const { return !source.isfeatures(); }
    constexpr bool isfeatures() const { return source.isfeatures(); }
    // The caption's tag: the attribute, 0 for the features.
    constexpr int tag() const { return isfeatures() ? 0 : source.attribute(); }
};

inline constexpr std::array<SheetBlock, 8> kSheetBlocks{{
    {1, "Сила", PickSource::skills(1), 0, 0, "Навык", "Уровень", 169, 80},
    {2, "Выносливость", PickSource::skills(2), 1, 0, "Навык", "Уровень", 169, 80},
    {3, "Ловкость", PickSource::skills(3), 2, 0, "Навык", "Уровень", 169, 80},
    {4, "Образование", PickSource::skills(4), 3, 0, "Навык", "Уровень", 169, 82},
    {5, "Мышление", PickSource::skills(5), 0, 1, "Навык", "Уровень", 169, 80},
    {6, "Уверенность", PickSource::skills(6), 1, 1, "Навык", "Уровень", 169, 80},
    {7, "Удача", PickSource::skills(7), 2, 1, "Навык", "Уровень", 169, 80},
    {8, "Особенности", PickSource::features(), 3, 1, "Особенность", "Цена", 185, 100},
}};

// The attribute blocks come first, one per attribute in order.
inline constexpr int kAttributeBlocks = 7;

// Where a row's controls stand at creation: the upper row keeps these tops, the layout moves
// the lower one.
struct RowTops {
    int caption;
    int field;
    int table;
};
inline constexpr std::array<RowTops, 2> kCreationTops{{{16, 8, 40}, {168, 160, 200}}};
inline constexpr int kColumnStep = 184;
inline constexpr int kCaptionLeft = 16;
inline constexpr int kFieldLeft = 128;
