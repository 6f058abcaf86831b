#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "linesearch.h"
#include "pickview.h"
#include "sheet/appstate.h"
#include "sheet/pickresult.h"

// The selection dialog's handlers, written against PickView. Each opening takes its mode from
// the state's picksource and keeps it; each line is tied to its catalogue position by
// `entries_`.
class PickLogic {
public:
    PickLogic(AppState& state, PickView& view, std::function<void()> countpoints);

    void FormShow();
    // The search field's text changed: the lines that contain it show, the others hide.
    void Edit1Change();
    void ListBox1Click();
    void ListBox1DblClick();
    void RadioGroup1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    // The close box.
    void FormClose();
    void FormHide();
    // The answer of the spec prompt that a take of a branched entry opened: the entry is
    // taken with it, an empty one included.
    void specgiven(const std::string& spec);

    PickResult result() const { return result_; }
    // Feature mode, as the last opening was told; skill mode before the first.
    bool featuremode() const { return source_.isfeatures(); }

private:
    void fillskills(int attr);
    void fillfeatures();
    void showfilled(std::vector<std::string> lines);
    enum class Take { Nothing, Taken, Asking };
    // Appends the entry of the selected line, or asks for its spec first; nothing for an
    // entry with an empty name.
    Take take();
    Take takeskill(std::size_t entry);
    Take takefeat(std::size_t entry);
    Take askspec(std::string_view caption, std::string_view prompt, std::string_view name);
    void prefill(bool editionevent);
    void finish(PickResult result);

    AppState& state_;
    PickView& view_;
    std::function<void()> countpoints_;
    PickSource source_ = PickSource::skills(1);
    std::vector<std::size_t> entries_;
    LineSearch search_;
    PickResult result_ = PickResult::Open;
    bool hidden_ = true;
    // The entry whose spec the prompt is asking for.
    std::variant<std::monostate, TTakenSkill, TTakenFeat> asking_;
};

// A branched entry's spec text as it may enter a table row: no "=", which would split the
// row, and at most kSpecLimit bytes.
std::string cleanspec(std::string spec);
