#pragma once

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "pick/pickview.h"

// A window that only remembers: the value field clamps like the real one, hiding reports
// to `onhide` as the window system's hide event would. `selection` is a position in the
// whole list, as the real list reports the line picked among those shown.
class FakePickView : public PickView {
public:
    std::vector<std::string> lines;
    std::vector<int> shown;
    std::string search;
    int selection = -1;
    int lower = 1;
    int upper = 5;
    int number = 1;
    int editionitem = 0;
    bool editions = false;
    std::string captiontext, label1text, label2text, hint;
    std::vector<std::pair<std::string, std::string>> prompts;
    std::string answer;
    // Answers a prompt with `answer` at once; unset, the prompt stays open.
    std::function<void(const std::string&)> onprompt;
    int hides = 0;
    std::function<void()> onhide;

    void setlines(std::vector<std::string> newlines) override {
        lines = std::move(newlines);
        shown.resize(lines.size());
        std::iota(shown.begin(), shown.end(), 0);
        selection = -1;
    }
    void showlines(std::vector<int> positions) override { shown = std::move(positions); }
    int selected() const override { return selection; }
    std::string linetext(int position) const override {
        if (position < 0 || position >= static_cast<int>(lines.size())) {
            throw listindexerror(position);
        }
        return lines[position];
    }
    void setbounds(int low, int high) override {
        lower = low;
        upper = high;
        number = std::clamp(number, lower, upper);
    }
    int value() const override { return number; }
    void setvalue(int value) override { number = std::clamp(value, lower, upper); }
    int edition() const override { return editionitem; }
    void showeditions(bool visible) override { editions = visible; }
    void setcaption(const std::string& text) override { captiontext = text; }
    void setlabel1(const std::string& text) override { label1text = text; }
    void setlabel2(const std::string& text) override { label2text = text; }
    void setlisthint(const std::string& text) override { hint = text; }
    std::string searchtext() const override { return search; }
    void clearsearch() override { search.clear(); }
    void promptspec(const std::string& caption, const std::string& prompt) override {
        prompts.emplace_back(caption, prompt);
        if (onprompt) onprompt(answer);
    }
    void hidedialog() override {
        ++hides;
        if (onhide) onhide();
    }
};
