#include "messages.h"

#include <array>
#include <new>
#include <system_error>

namespace {

struct Words {
    Text text;
    const char* english;
    const char* russian;
};

// Severities as compilers print them in each language, so that editors still parse the lines.
constexpr Words kWords[] = {
    {Text::Error, "error", "ошибка"},
    {Text::Warning, "warning", "предупреждение"},
    {Text::Note, "note", "замечание"},
    {Text::Attribute, "attribute {} is not 1 to 7: the skill is offered under no attribute",
     "атрибут {} не от 1 до 7: навык не предлагается ни под одним атрибутом"},
    {Text::Price, "unit price {} is not 1, 2 or 4", "цена единицы {} не 1, 2 и не 4"},
    {Text::Branched, "branched flag {} is not 0 or 1", "признак разветвлённости {} не 0 и не 1"},
    {Text::Special, "special flag {} is not 0 or 1", "признак специального {} не 0 и не 1"},
    {Text::EmptySkill, "empty name: the skill shows as a blank line in the dialog",
     "пустое имя: навык виден в диалоге пустой строкой"},
    {Text::EmptyFeat, "empty name: the feature shows as its prices alone and cannot be taken",
     "пустое имя: особенность видна в диалоге одними ценами, и её нельзя взять"},
    {Text::EqualsSign, "the name holds \"=\", which splits its row in the sheet's table",
     "в имени есть «=», который разрывает его строку в таблице листа"},
    {Text::CostRange, "cost {} under {} is outside -70..70; the dialog brings it to {}",
     "цена {} по {} вне -70..70; диалог приводит её к {}"},
    {Text::ShortLine, "a line of only {}; the numbers of a feature are read across line ends",
     "строка всего из {}; числа особенности читаются через концы строк"},
    {Text::AfterCtrlZ, "this Ctrl-Z ends the catalogue: the text after it is not read",
     "этот Ctrl-Z завершает каталог: текст после него не читается"},
    {Text::SameSkill,
     "the same name as on line {} under the same attribute; the sheet prices by name, so only "
     "the first counts",
     "то же имя, что в строке {}, под тем же атрибутом; лист считает цену по имени, так что "
     "в счёт идёт только первое"},
    {Text::SameFeat,
     "the same name as on line {} among the features; the sheet prices by name, so only the "
     "first counts",
     "то же имя, что в строке {}, среди особенностей; лист считает цену по имени, так что в "
     "счёт идёт только первое"},
    {Text::SkillStop,
     "talvira stops loading at its first error, here: no further skills are read, and "
     "feats.res is then not read",
     "talvira прекращает загрузку на первой ошибке, здесь: дальнейшие навыки не читаются, а "
     "feats.res не читается вовсе"},
    {Text::FeatStop, "talvira stops loading at its first error, here: no further features are read",
     "talvira прекращает загрузку на первой ошибке, здесь: дальнейшие особенности не читаются"},
    {Text::FeatKept, "; it keeps this line's entry, which the dialog shows as \"{}\"",
     "; запись этой строки она сохраняет, и диалог показывает её как «{}»"},
    {Text::SkillKept,
     "; it keeps this line's entry, which the dialog shows under attribute {} as \"{}\"",
     "; запись этой строки она сохраняет, и диалог показывает её под атрибутом {} как «{}»"},
    {Text::SkillKeptBlank,
     "; it keeps this line's entry, which the dialog shows as a blank line under attribute {}",
     "; запись этой строки она сохраняет, и диалог показывает её пустой строкой под атрибутом {}"},
    {Text::DashForMinus, "a dash stands where a minus \"-\" is meant",
     "здесь тире вместо минуса «-»"},
    {Text::OnePrice, "only one price before the name: a feature has three, for ТЛ1, ТЛ2 and ТЛ1М",
     "перед именем только одна цена: у особенности их три, для ТЛ1, ТЛ2 и ТЛ1М"},
    {Text::TwoPrices, "only two prices before the name: a feature has three, for ТЛ1, ТЛ2 and ТЛ1М",
     "перед именем только две цены: у особенности их три, для ТЛ1, ТЛ2 и ТЛ1М"},
    {Text::SkillCodes,
     "the line ends before its four digits: attribute, unit price, branched and special flag",
     "строка кончается раньше своих четырёх цифр: атрибута, цены единицы, признаков "
     "разветвлённости и специального"},
    {Text::Tab,
     "a tab inside the name, where a blank was surely meant: the dialog and the copied sheet "
     "show it as a wide gap",
     "табуляция внутри имени, где наверняка нужен пробел: диалог и скопированный лист "
     "показывают её широким промежутком"},
    {Text::TrailingBlanks,
     "blanks at the end of the name: the dialog shows them, and the name typed without them "
     "does not match",
     "пробелы в конце имени: диалог их показывает, и имя, набранное без них, не совпадает"},
    {Text::Nbsp,
     "a non-breaking space in the name: it looks like a blank, but the name typed with a blank "
     "does not match",
     "неразрывный пробел в имени: он выглядит как пробел, но имя, набранное с пробелом, не "
     "совпадает"},
    {Text::Control,
     "a control character ({}) in the name: the dialog shows it as a box or not at all",
     "управляющий символ ({}) в имени: диалог показывает его квадратиком или не показывает"},
    {Text::Bom,
     "the file starts with a UTF-8 byte-order mark; catalogues are read as Windows-1251 ({})",
     "файл начинается с метки порядка байтов UTF-8; каталоги читаются в Windows-1251 ({})"},
    {Text::Utf8,
     "the file is in UTF-8; catalogues are read as Windows-1251, so the names show garbled ({})",
     "файл в UTF-8; каталоги читаются в Windows-1251, и имена выходят искажёнными ({})"},
    {Text::Utf8Line,
     "this line is in UTF-8, in a file otherwise in Windows-1251, in which catalogues are "
     "read: its name shows garbled (talvira-check --fix converts the UTF-8 lines alone)",
     "эта строка в UTF-8, а файл в остальном в Windows-1251, в которой читаются каталоги: её "
     "имя выходит искажённым (talvira-check --fix перекодирует только строки в UTF-8)"},
    {Text::Utf16,
     "the file is in UTF-16, which Notepad calls \"Unicode\", and catalogues are read as "
     "Windows-1251: {}",
     "файл в кодировке UTF-16, которую Блокнот называет «Юникод», а каталоги читаются в "
     "Windows-1251: {}"},
    {Text::AdviceWindows,
     R"(talvira-check --fix converts the file, or Notepad's "Save As" with the encoding "ANSI")",
     "talvira-check --fix перекодирует файл, или в Блокноте «Сохранить как» с кодировкой "
     "«ANSI»"},
    {Text::AdviceDebian, "talvira-check --fix or iconv -f UTF-8 -t WINDOWS-1251 converts the file",
     "файл перекодирует talvira-check --fix или iconv -f UTF-8 -t WINDOWS-1251"},
    {Text::AdviceDebianUtf16,
     "talvira-check --fix or iconv -f UTF-16 -t WINDOWS-1251 converts the file",
     "файл перекодирует talvira-check --fix или iconv -f UTF-16 -t WINDOWS-1251"},
    {Text::LoneCr,
     "a CR that ends no line: it is dropped, and the text on both sides reads as one line",
     "CR, который не завершает строку: он отбрасывается, и текст по обе стороны читается одной "
     "строкой"},
    {Text::NeedsFile, "option '{}' needs a file", "параметру «{}» нужен файл"},
    {Text::UnknownOption, "unknown option '{}'", "неизвестный параметр «{}»"},
    {Text::GivenTwice, "option '{}' given twice", "параметр «{}» указан дважды"},
    {Text::TwoFolders, "more than one folder given", "указано больше одной папки"},
    {Text::FolderAndFiles, "give a folder or --skills and --feats, not both",
     "укажите папку или --skills и --feats, но не то и другое сразу"},
    {Text::TryHelp, "Try 'talvira-check --help' for more information.",
     "Подробнее: talvira-check --help"},
    {Text::NoFolder, "no such folder, or it cannot be read", "папки нет, или её нельзя прочесть"},
    {Text::NothingChecked, "nothing was checked", "ничего не проверено"},
    {Text::NotChecked, "{}; not checked: {}", "{}; не проверено: {}"},
    {Text::Folder, "a folder, not a file", "это папка, а не файл"},
    {Text::NotAFile,
     "not a file on a disk but a named pipe or a device: not read, as reading it might never end",
     "не файл на диске, а именованный канал или устройство: не читается, так как чтение могло "
     "бы не кончиться никогда"},
    {Text::OutOfMemory, "not enough memory", "не хватило памяти"},
    {Text::NoCodec,
     "the system has no Windows-1251 codec, in which catalogues are written: nothing can be "
     "checked",
     "в системе нет кодировки Windows-1251, в которой записаны каталоги: проверить ничего "
     "нельзя"},
    {Text::Converted, "{}: converted from {} to Windows-1251; the original is kept as {}",
     "{}: перекодирован из {} в Windows-1251; прежний файл сохранён как {}"},
    {Text::ConvertedLines,
     "{}: the lines in UTF-8 ({}) converted to Windows-1251, in which the others were; the "
     "original is kept as {}",
     "{}: строки в UTF-8 ({}) перекодированы в Windows-1251, в которой были остальные; "
     "прежний файл сохранён как {}"},
    {Text::NotUtf8, "{}: no UTF-8 or UTF-16 in it, left as it is",
     "{}: в нём нет ни UTF-8, ни UTF-16, оставлен как есть"},
    {Text::NoCp1251Form,
     "\"{}\" ({}) has no Windows-1251 form: the file is not converted, replace the character "
     "first",
     "у «{}» ({}) нет формы в Windows-1251: файл не перекодирован, сначала замените этот "
     "символ"},
    {Text::NotWritten, "{}: not converted: {}", "{}: не перекодирован: {}"},
    {Text::NoBackup, "{}: not converted, as the original could not be kept as {}: {}",
     "{}: не перекодирован, так как прежний файл не удалось сохранить как {}: {}"},
    {Text::NoPermission, "permission denied", "нет прав"},
    {Text::DiskFull, "the disk is full", "диск заполнен"},
    {Text::ReadOnlyDisk, "the disk is read-only", "диск только для чтения"},
    {Text::SystemError, "the system's error {}", "ошибка системы {}"},
    {Text::Unexpected, "an unexpected failure: \"{}\"", "непредвиденный сбой: «{}»"},
    {Text::Help,
     "Usage: talvira-check [DIR]\n"
     "       talvira-check [--skills FILE] [--feats FILE]\n"
     "       talvira-check --fix [DIR | --skills FILE | --feats FILE]\n"
     "Checks the catalogues of the character builder talvira with its own readers:\n"
     "DIR/skills.res and DIR/feats.res (DIR is the current folder when none is given),\n"
     "or only the files given.\n"
     "\n"
     "Prints each problem as FILE:LINE:COLUMN: error: MESSAGE (or warning:), the line\n"
     "and a caret under the column, then \"N errors, M warnings\". An error is what\n"
     "makes talvira stop loading; a warning is text that loads but is surely a mistake.\n"
     "\n"
     "  --skills FILE  check FILE as a skills.res\n"
     "  --feats FILE   check FILE as a feats.res\n"
     "  --fix          first convert a catalogue saved as UTF-8 or UTF-16, or its\n"
     "                 lines in UTF-8, to Windows-1251, keeping the original as\n"
     "                 FILE.bak\n"
     "  -h, --help, /? show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "Exit status: 0 when there is no error (warnings allowed), 1 when there is at\n"
     "least one error, 2 when a file cannot be read or the arguments are wrong.\n",
     "Использование: talvira-check [ПАПКА]\n"
     "               talvira-check [--skills ФАЙЛ] [--feats ФАЙЛ]\n"
     "               talvira-check --fix [ПАПКА | --skills ФАЙЛ | --feats ФАЙЛ]\n"
     "Проверяет каталоги программы talvira её же средствами чтения: ПАПКА/skills.res\n"
     "и ПАПКА/feats.res (без ПАПКИ — в текущей папке) или только указанные файлы.\n"
     "\n"
     "Каждая проблема выводится как ФАЙЛ:СТРОКА:СТОЛБЕЦ: ошибка: СООБЩЕНИЕ (или\n"
     "предупреждение:), затем строка и знак ^ под столбцом, в конце — число ошибок и\n"
     "предупреждений. Ошибка — то, на чём talvira прекращает загрузку; предупреждение —\n"
     "текст, который загружается, но наверняка написан по ошибке.\n"
     "\n"
     "  --skills ФАЙЛ  проверить ФАЙЛ как skills.res\n"
     "  --feats ФАЙЛ   проверить ФАЙЛ как feats.res\n"
     "  --fix          сначала перекодировать в Windows-1251 каталог, сохранённый\n"
     "                 в UTF-8 или UTF-16, или его строки в UTF-8; прежний файл\n"
     "                 остаётся как ФАЙЛ.bak\n"
     "  -h, --help, /? показать эту справку и выйти\n"
     "  --version      показать версию и выйти\n"
     "\n"
     "Код завершения: 0 — ошибок нет (предупреждения возможны), 1 — есть хотя бы одна\n"
     "ошибка, 2 — файл нельзя прочесть или параметры заданы неверно.\n"},
};

// Each text has its words, at its own place: a text added without them does not compile.
constexpr bool everytextinorder() {
    if (std::size(kWords) != static_cast<std::size_t>(Text::Count)) return false;
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        if (kWords[i].text != static_cast<Text>(i)) return false;
    }
    return true;
}
static_assert(everytextinorder(), "kWords lists every Text once, in the order of the enum");

const Words& words(Text text) { return kWords[static_cast<std::size_t>(text)]; }

bool russian(const char* value) {
    const std::string_view name = value;
    return name.starts_with("ru") && (name.size() == 2 || name[2] == '_' || name[2] == '.');
}

// Russian word forms after a number: 1, 21 "ошибка"; 2 to 4, 22 "ошибки"; 5, 11 to 14 "ошибок".
const char* form(std::size_t n, const std::array<const char*, 3>& forms) {
    const std::size_t tens = n % 100;
    const std::size_t ones = n % 10;
    if (tens >= 11 && tens <= 14) return forms[2];
    if (ones == 1) return forms[0];
    if (ones >= 2 && ones <= 4) return forms[1];
    return forms[2];
}

std::string counted(std::size_t n, const char* english,
                    const std::array<const char*, 3>& russianforms, Language language) {
    if (language == Language::Russian) return std::to_string(n) + " " + form(n, russianforms);
    return std::to_string(n) + " " + english + (n == 1 ? "" : "s");
}

}  // namespace

Language languagefrom(const char* lcall, const char* lcmessages, const char* lang) {
    for (const char* value : {lcall, lcmessages, lang}) {
        if (value != nullptr && *value != '\0')
            return russian(value) ? Language::Russian : Language::English;
    }
    return Language::English;
}

std::string say(Language language, Text text, std::initializer_list<std::string_view> args) {
    const Words& w = words(text);
    const std::string_view pattern = language == Language::Russian ? w.russian : w.english;
    std::string out;
    out.reserve(pattern.size());
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 2) == "{}" && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string summary(std::size_t errors, std::size_t warnings, Language language) {
    return counted(errors, "error", {"ошибка", "ошибки", "ошибок"}, language) + ", " +
           counted(warnings, "warning", {"предупреждение", "предупреждения", "предупреждений"},
                   language);
}

std::string characters(std::size_t count, Language language) {
    // After "из" the genitive: "из 1 символа", "из 2 символов".
    if (language == Language::Russian)
        return std::to_string(count) +
               (count % 10 == 1 && count % 100 != 11 ? " символа" : " символов");
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

std::string failurewords(const std::exception& error, Language language) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
        return say(language, Text::OutOfMemory);
    const auto* system = dynamic_cast<const std::system_error*>(&error);
    if (system == nullptr) return say(language, Text::Unexpected, {error.what()});
    const std::error_code code = system->code();
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted)
        return say(language, Text::NoPermission);
    if (code == std::errc::no_space_on_device) return say(language, Text::DiskFull);
    if (code == std::errc::read_only_file_system) return say(language, Text::ReadOnlyDisk);
    return say(language, Text::SystemError, {std::to_string(code.value())});
}
