#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

// The checker's own words in the user's language. The program's messages that it quotes
// ("'x' is not a valid integer value") are not among them: they stay as the program shows them.
enum class Language : std::uint8_t { English, Russian };

enum class Text : std::uint8_t {
    Error,
    Warning,
    Note,
    Attribute,
    Price,
    Branched,
    Special,
    EmptySkill,
    EmptyFeat,
    EqualsSign,
    CostRange,
    ShortLine,
    AfterCtrlZ,
    SameSkill,
    SameFeat,
    SkillStop,
    FeatStop,
    FeatKept,
    SkillKept,
    SkillKeptBlank,
    DashForMinus,
    OnePrice,
    TwoPrices,
    SkillCodes,
    Tab,
    TrailingBlanks,
    Nbsp,
    Control,
    Bom,
    Utf8,
    Utf8Line,
    Utf16,
    AdviceWindows,
    AdviceDebian,
    AdviceDebianUtf16,
    LoneCr,
    NeedsFile,
    UnknownOption,
    GivenTwice,
    TwoFolders,
    FolderAndFiles,
    TryHelp,
    NoFolder,
    NothingChecked,
    NotChecked,
    Folder,
    NotAFile,
    OutOfMemory,
    NoCodec,
    Converted,
    ConvertedLines,
    NotUtf8,
    NoCp1251Form,
    NotWritten,
    NoBackup,
    NoPermission,
    DiskFull,
    ReadOnlyDisk,
    SystemError,
    Unexpected,
    Help,
    Count,  // how many texts there are; no text itself
};

// The user's language from the values of LC_ALL, LC_MESSAGES and LANG (null when unset): the
// first one set and not empty decides, as the C library does.
Language languagefrom(const char* lcall, const char* lcmessages, const char* lang);

// The user's language: from the environment on Debian, the user's own on Windows.
Language userlanguage();

// What a Windows author has at hand to convert a UTF-8 file, and what a Debian one has; the
// same for a UTF-16 file.
Text utf8advice();
Text utf16advice();

// `text` in `language`, each "{}" in it replaced by the next of `args`.
std::string say(Language language, Text text, std::initializer_list<std::string_view> args = {});

// "3 errors, 1 warning", or in Russian with its word forms.
std::string summary(std::size_t errors, std::size_t warnings,
                    Language language = Language::English);

// "1 character", "2 characters" after "a line of only".
std::string characters(std::size_t count, Language language);

// Why a step failed, from what the standard library threw, in the checker's words: "permission
// denied", "the disk is full", the system's error number.
std::string failurewords(const std::exception& error, Language language);
