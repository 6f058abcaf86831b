// The page's way into the core, through embind: the sheet with every action a player takes
// on it, and the tables the page builds its menu, blocks and dialog from, so that their
// words are the core's. Catalogue files cross as their bytes, texts as UTF-16 strings.
#include <emscripten/bind.h>

#include <string>
#include <string_view>

#include "pick/pickview.h"
#include "pick/pickwords.h"
#include "sheet/sheetblocks.h"
#include "sheet/sheetlogic.h"
#include "sheet/sheetmenu.h"
#include "sheet/sheetwords.h"
#include "websheet.h"
#include "webtext.h"

using emscripten::val;

namespace {

std::string_view kindname(MenuKind kind) {
    switch (kind) {
        case MenuKind::Menu:
            return "menu";
        case MenuKind::Item:
            return "item";
        case MenuKind::Separator:
            return "separator";
    }
    return "";
}

std::string_view commandname(const MenuAction& action) {
    const auto* command = std::get_if<SheetCommand>(&action);
    if (command == nullptr) return "";
    switch (*command) {
        case SheetCommand::NewSheet:
            return "newsheet";
        case SheetCommand::CopySheet:
            return "copysheet";
        case SheetCommand::PasteSheet:
            return "pastesheet";
        case SheetCommand::Exit:
            return "exit";
        case SheetCommand::Help:
            return "help";
    }
    return "";
}

// The menu bar, entry by entry in its order: name, caption, place (the name of the menu
// holding it, "" for the bar), kind, command ("" for a menu or a rule), whether it chooses a
// price rule, and its shortcut as "Ctrl+Shift+C".
val menu() {
    val entries = val::array();
    for (const MenuEntry& entry : kMenu) {
        val item = val::object();
        item.set("name", std::string(entry.name));
        item.set("caption", utf16(entry.caption));
        item.set("place", std::string(entry.place));
        item.set("kind", std::string(kindname(entry.kind)));
        item.set("command", std::string(commandname(entry.action)));
        item.set("rule", std::holds_alternative<AttrRule>(entry.action) ||
                             std::holds_alternative<SkillRule>(entry.action));
        item.set("shortcut", std::string(entry.shortcut));
        entries.call<void>("push", item);
    }
    return entries;
}

std::u16string joined(std::string_view first, std::string_view second) {
    return utf16(std::string(first).append(second));
}

// The sheet's blocks in the model's order, with their place in the grid, their titles and
// what assistive tools call their controls.
val blocks() {
    val list = val::array();
    for (const SheetBlock& spec : kSheetBlocks) {
        const std::string_view choice = spec.isfeatures() ? std::string_view(words::kFeatureChoice)
                                                          : std::string_view(words::kSkillChoice);
        val block = val::object();
        block.set("caption", utf16(spec.caption));
        block.set("number", spec.number);
        block.set("field", spec.hasfield());
        block.set("column", spec.column);
        block.set("row", spec.row);
        block.set("keytitle", utf16(spec.keytitle));
        block.set("valuetitle", utf16(spec.valuetitle));
        block.set("fieldname", joined(spec.caption, words::kFieldName));
        block.set("tablename", spec.isfeatures() ? utf16(spec.caption)
                                                 : joined(spec.caption, words::kSkillsName));
        block.set("captiontip", joined(words::kClickOpens, choice));
        block.set("tabletip", joined(words::kInsertOpens, choice));
        list.call<void>("push", block);
    }
    return list;
}

// The fixed words of the window and the dialog that the page shows too.
val fixedwords() {
    val said = val::object();
    said.set("title", utf16(words::kWindowTitle));
    said.set("yes", utf16(words::kYes));
    said.set("no", utf16(words::kNo));
    said.set("search", utf16(pickwords::kSearch));
    said.set("editiongroup", utf16(pickwords::kEditionGroup));
    said.set("editiongrouptip", utf16(pickwords::kEditionGroupTip));
    val editions = val::array();
    val editiontips = val::array();
    for (const std::string_view edition : pickwords::kEditions) {
        editions.call<void>("push", utf16(edition));
        editiontips.call<void>("push", joined(pickwords::kEditionTip, edition));
    }
    said.set("editions", editions);
    said.set("editiontips", editiontips);
    said.set("ok", utf16(pickwords::kOk));
    said.set("cancel", utf16(pickwords::kCancel));
    said.set("skilllist", utf16(pickwords::kSkillList));
    said.set("featurelist", utf16(pickwords::kFeatureList));
    said.set("skillvalue", utf16(pickwords::kSkillValue));
    said.set("featurevalue", utf16(pickwords::kFeatureValue));
    said.set("speclimit", kSpecLimit);
    said.set("spectoolong", utf16(std::string(pickwords::kSpecTooLong)
                                      .append(std::to_string(kSpecLimit))
                                      .append(pickwords::kSpecTooLongEnd)));
    said.set("specnoequals", utf16(pickwords::kSpecNoEquals));
    return said;
}

// Whether a character typed into an attribute field is taken there.
bool typable(int character, int decimalpoint) {
    return attributekey(static_cast<char32_t>(character), static_cast<char32_t>(decimalpoint));
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvira) {
    emscripten::function("menu", &menu);
    emscripten::function("blocks", &blocks);
    emscripten::function("words", &fixedwords);
    emscripten::function("attributekey", &typable);
    emscripten::class_<WebSheet>("WebSheet")
        .constructor<val>()
        .function("start", &WebSheet::start)
        .function("opencatalogues", &WebSheet::opencatalogues)
        .function("editattribute", &WebSheet::editattribute)
        .function("stepattribute", &WebSheet::stepattribute)
        .function("leaveattribute", &WebSheet::leaveattribute)
        .function("clickattribute", &WebSheet::clickattribute)
        .function("editcell", &WebSheet::editcell)
        .function("leavetable", &WebSheet::leavetable)
        .function("rowtip", &WebSheet::rowtip)
        .function("choosecaption", &WebSheet::choosecaption)
        .function("choose", &WebSheet::choose)
        .function("paste", &WebSheet::paste)
        .function("link", &WebSheet::link)
        .function("openlink", &WebSheet::openlink)
        .function("answer", &WebSheet::answer)
        .function("pickclick", &WebSheet::pickclick)
        .function("pickdoubleclick", &WebSheet::pickdoubleclick)
        .function("picksearch", &WebSheet::picksearch)
        .function("pickvalue", &WebSheet::pickvalue)
        .function("pickstep", &WebSheet::pickstep)
        .function("pickfixup", &WebSheet::pickfixup)
        .function("pickedition", &WebSheet::pickedition)
        .function("pickok", &WebSheet::pickok)
        .function("pickcancel", &WebSheet::pickcancel)
        .function("pickclose", &WebSheet::pickclose)
        .function("specgiven", &WebSheet::specgiven)
        .function("pickrows", &WebSheet::pickrows)
        .function("picktexts", &WebSheet::picktexts)
        .function("pickshown", &WebSheet::pickshown);
}
