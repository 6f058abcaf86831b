#include "sheethtml.h"

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string cell(const std::string& text, const char* attributes = "") {
    return std::string("<td").append(attributes).append(">").append(escaped(text)).append("</td>");
}

std::string htmlrow(const SheetLine& line) {
    switch (line.kind) {
        case SheetLineKind::Heading:
        case SheetLineKind::Total:
            return "<tr><th colspan=\"3\">" + escaped(line.name) + "</th></tr>";
        case SheetLineKind::Section:
            return "<tr><td colspan=\"3\"><b>" + escaped(line.name) + "</b></td></tr>";
        case SheetLineKind::Rule:
            return "<tr>" + cell(line.name) + cell(line.value, " colspan=\"2\"") + "</tr>";
        case SheetLineKind::Attribute:
            return "<tr><td><b>" + escaped(line.name) + "</b></td>" + cell(line.value) +
                   cell(line.price) + "</tr>";
        case SheetLineKind::Row:
            return "<tr>" + cell(line.name, " style=\"padding-left:1.5em\"") + cell(line.value) +
                   cell(line.price) + "</tr>";
    }
    return {};
}

}  // namespace

std::string sheethtml(const std::vector<SheetLine>& lines) {
    std::string html =
        "<html><head><meta charset=\"utf-8\"></head><body>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    for (const SheetLine& line : lines) html += htmlrow(line) + '\n';
    return html + "</table>\n</body></html>\n";
}
