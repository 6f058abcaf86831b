#include "copysheet.h"

#include <QMimeData>
#include <vector>

#include "ui/encoding.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString cell(const QString& text, const char* attributes = "") {
    return u("<td%1>%2</td>").arg(u(attributes), text.toHtmlEscaped());
}

QString htmlrow(const SheetLine& line) {
    const QString name = fromcp1251(line.name);
    const QString value = fromcp1251(line.value);
    const QString price = fromcp1251(line.price);
    switch (line.kind) {
        case SheetLineKind::Heading:
        case SheetLineKind::Total:
            return u("<tr><th colspan=\"3\">%1</th></tr>").arg(name.toHtmlEscaped());
        case SheetLineKind::Section:
            return u("<tr><td colspan=\"3\"><b>%1</b></td></tr>").arg(name.toHtmlEscaped());
        case SheetLineKind::Rule:
            return u("<tr>") + cell(name) + cell(value, " colspan=\"2\"") + u("</tr>");
        case SheetLineKind::Attribute:
            return u("<tr><td><b>%1</b></td>").arg(name.toHtmlEscaped()) + cell(value) +
                   cell(price) + u("</tr>");
        case SheetLineKind::Row:
            return u("<tr>") + cell(name, " style=\"padding-left:1.5em\"") + cell(value) +
                   cell(price) + u("</tr>");
    }
    return {};
}

QString html(const std::vector<SheetLine>& lines) {
    QString table;
    for (const SheetLine& line : lines) table += htmlrow(line) + '\n';
    return u("<html><head><meta charset=\"utf-8\"></head><body>\n"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n") +
           table + u("</table>\n</body></html>\n");
}

}  // namespace

std::unique_ptr<QMimeData> sheetcopy(const SheetShown& sheet, const TakenIndex& index) {
    const std::vector<SheetLine> lines = sheetlines(sheet, index);
    auto copy = std::make_unique<QMimeData>();
    copy->setText(fromcp1251(sheettext(lines)));
    copy->setHtml(html(lines));
    return copy;
}
