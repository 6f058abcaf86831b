#pragma once

#include <string>
#include <utility>
#include <vector>

#include "pick/pickview.h"

// A dialog window that only keeps the lines it is given, which of them show, and the search
// field's text: what the dialog's logic costs without any widget.
class LineKeeper : public PickView {
public:
    std::vector<std::string> lines;
    std::vector<int> shown;
    std::string search;

    void setlines(std::vector<std::string> newlines) override { lines = std::move(newlines); }
    void showlines(std::vector<int> positions) override { shown = std::move(positions); }
    int selected() const override { return -1; }
    std::string linetext(int position) const override { throw listindexerror(position); }
    void setbounds(int, int) override {}
    int value() const override { return 1; }
    void setvalue(int) override {}
    int edition() const override { return 0; }
    void showeditions(bool) override {}
    void setcaption(const std::string&) override {}
    void setlabel1(const std::string&) override {}
    void setlabel2(const std::string&) override {}
    void setlisthint(const std::string&) override {}
    std::string searchtext() const override { return search; }
    void clearsearch() override { search.clear(); }
    void promptspec(const std::string&, const std::string&) override {}
    void hidedialog() override {}
};
