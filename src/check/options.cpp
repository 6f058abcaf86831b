#include "options.h"

#include <vector>

#include "pathtext.h"

namespace {

Options only(Options::Action action) {
    Options options;
    options.action = action;
    return options;
}

Options wrong(std::string what) {
    Options options = only(Options::Action::Wrong);
    options.wrong = std::move(what);
    return options;
}

// "--skills FILE" or "--skills=FILE"; nothing when `arg` is not `name`.
std::optional<std::string> takefile(std::string_view name, std::span<const std::string_view> args,
                                    std::size_t& i, bool& missing) {
    const std::string_view arg = args[i];
    if (!arg.starts_with(name)) return std::nullopt;
    if (arg.size() > name.size() && arg[name.size()] == '=')
        return std::string(arg.substr(name.size() + 1));
    if (arg.size() > name.size()) return std::nullopt;
    if (i + 1 == args.size()) {
        missing = true;
        return std::nullopt;
    }
    return std::string(args[++i]);
}

}  // namespace

Options parseoptions(std::span<const std::string_view> args, Language language) {
    Options options;
    std::vector<std::string_view> folders;
    bool optionsend = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // "/?" as Windows programs take it; no one names a folder so.
        if (!optionsend && (arg == "--help" || arg == "-h" || arg == "/?"))
            return only(Options::Action::Help);
        if (optionsend || !arg.starts_with('-') || arg == "-") {
            folders.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsend = true;
            continue;
        }
        if (arg == "--fix") {
            options.fix = true;
            continue;
        }
        if (arg == "--version") return only(Options::Action::Version);
        bool missing = false;
        auto& file = arg.starts_with("--skills") ? options.skills : options.feats;
        const std::string_view name = arg.starts_with("--skills") ? "--skills" : "--feats";
        const auto given = takefile(name, args, i, missing);
        if (missing) return wrong(say(language, Text::NeedsFile, {name}));
        if (!given) return wrong(say(language, Text::UnknownOption, {arg}));
        if (file) return wrong(say(language, Text::GivenTwice, {name}));
        file = utf8path(*given);
    }
    if (folders.size() > 1) return wrong(say(language, Text::TwoFolders));
    if (!folders.empty() && (options.skills || options.feats))
        return wrong(say(language, Text::FolderAndFiles));
    if (options.skills || options.feats) return options;
    // Paths as the user would write them: "skills.res" for the current folder.
    const std::filesystem::path folder = folders.empty() ? "" : utf8path(folders.front());
    if (!folders.empty()) options.folder = folder;
    options.skills = folder / "skills.res";
    options.feats = folder / "feats.res";
    return options;
}
