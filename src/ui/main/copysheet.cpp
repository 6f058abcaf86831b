#include "copysheet.h"

#include <QMimeData>
#include <vector>

#include "explain.h"
#include "sheet/costs.h"
#include "ui/encoding.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

enum class Kind { Heading, Rule, Attribute, Section, Row, Total };

// One line of the copy: what it names, what was read and what it costs (or why nothing).
struct Line {
    Kind kind;
    QString name;
    QString value;
    QString price;
};

QString pricetext(const Cost& cost, const char* none) {
    return cost.points ? plushki(*cost.points) : u(none);
}

Line attributeline(const ShownSheet::Attribute& attribute, AttrRule rule) {
    const Cost cost = attrcost(attribute.text, rule);
    return {Kind::Attribute, attribute.caption, reading(cost, "не задано"),
            pricetext(cost, "цены нет")};
}

Line skillline(const SkillRowCost& cost) {
    QString name = fromcp1251(cost.key);
    if (cost.why == Why::NoKey) name = u("Без навыка");
    if (cost.taken) name += u(" (") + difficulty(cost.unitprice) + ')';
    const char* none = "цены нет";
    if (cost.why == Why::NotTaken) none = "нет среди взятых навыков";
    if (cost.why == Why::NoKey) none = "в сумму не входит";
    return {Kind::Row, name, u("уровень ") + reading(cost, "не задан"), pricetext(cost, none)};
}

Line featureline(const Cost& cost) {
    const QString name = cost.key.empty() ? u("Без названия") : fromcp1251(cost.key);
    const QString price =
        cost.points ? plushki(*cost.points) : u("цена ") + reading(cost, "не задана");
    return {Kind::Row, name, {}, price};
}

std::vector<Line> sheetlines(const ShownSheet& sheet, const TakenIndex& index) {
    std::vector<Line> lines{{Kind::Heading, u("Лист персонажа «Тальвира»"), {}, {}}};
    for (const QStringList& path : sheet.rules) {
        lines.push_back({Kind::Rule, path.front(), path.mid(1).join(u(" / ")), {}});
    }
    for (const ShownSheet::Attribute& attribute : sheet.attributes) {
        lines.push_back(attributeline(attribute, sheet.prices.attr));
        for (const std::string& line : *attribute.skills) {
            const SkillRowCost cost = skillrowcost(index, line, sheet.prices.skill);
            if (cost.why != Why::Blank) lines.push_back(skillline(cost));
        }
    }
    lines.push_back({Kind::Section, sheet.featurescaption, {}, {}});
    for (const std::string& line : *sheet.features) {
        const Cost cost = featrowcost(line);
        if (cost.why != Why::Blank) lines.push_back(featureline(cost));
    }
    lines.push_back({Kind::Total, sheet.total, {}, {}});
    return lines;
}

// "- Фехтование (сложный): уровень 3 — 12 плюшек", with a blank line before the first
// attribute and before the total.
QString plaintext(const std::vector<Line>& lines) {
    QString text;
    Kind previous = Kind::Heading;
    for (const Line& line : lines) {
        if (line.kind == Kind::Total || (line.kind == Kind::Attribute && previous == Kind::Rule))
            text += '\n';
        previous = line.kind;
        if (line.kind == Kind::Row) text += u("- ");
        text += line.name;
        QString said = line.value;
        if (!said.isEmpty() && !line.price.isEmpty()) said += u(" — ");
        said += line.price;
        if (!said.isEmpty()) text += u(": ") + said;
        text += '\n';
    }
    return text;
}

QString cell(const QString& text, const char* attributes = "") {
    return u("<td%1>%2</td>").arg(u(attributes), text.toHtmlEscaped());
}

QString htmlrow(const Line& line) {
    const QString name = line.name.toHtmlEscaped();
    switch (line.kind) {
        case Kind::Heading:
        case Kind::Total:
            return u("<tr><th colspan=\"3\">%1</th></tr>").arg(name);
        case Kind::Section:
            return u("<tr><td colspan=\"3\"><b>%1</b></td></tr>").arg(name);
        case Kind::Rule:
            return u("<tr>") + cell(line.name) + cell(line.value, " colspan=\"2\"") + u("</tr>");
        case Kind::Attribute:
            return u("<tr><td><b>%1</b></td>").arg(name) + cell(line.value) + cell(line.price) +
                   u("</tr>");
        case Kind::Row:
            return u("<tr>") + cell(line.name, " style=\"padding-left:1.5em\"") + cell(line.value) +
                   cell(line.price) + u("</tr>");
    }
    return {};
}

QString html(const std::vector<Line>& lines) {
    QString table;
    for (const Line& line : lines) table += htmlrow(line) + '\n';
    return u("<html><head><meta charset=\"utf-8\"></head><body>\n"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n") +
           table + u("</table>\n</body></html>\n");
}

}  // namespace

std::unique_ptr<QMimeData> sheetcopy(const ShownSheet& sheet, const TakenIndex& index) {
    const std::vector<Line> lines = sheetlines(sheet, index);
    auto copy = std::make_unique<QMimeData>();
    copy->setText(plaintext(lines));
    copy->setHtml(html(lines));
    return copy;
}
