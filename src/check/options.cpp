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

Options parseoptions(std::span<const std::string_view> args) {
    Options options;
    std::vector<std::string_view> folders;
    bool optionsend = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsend || !arg.starts_with('-') || arg == "-") {
            folders.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsend = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") return only(Options::Action::Help);
        if (arg == "--version") return only(Options::Action::Version);
        bool missing = false;
        auto& file = arg.starts_with("--skills") ? options.skills : options.feats;
        const std::string_view name = arg.starts_with("--skills") ? "--skills" : "--feats";
        const auto given = takefile(name, args, i, missing);
        if (missing) return wrong("option '" + std::string(name) + "' needs a file");
        if (!given) return wrong("unknown option '" + std::string(arg) + "'");
        if (file) return wrong("option '" + std::string(name) + "' given twice");
        file = utf8path(*given);
    }
    if (folders.size() > 1) return wrong("more than one folder given");
    if (!folders.empty() && (options.skills || options.feats))
        return wrong("give a folder or --skills and --feats, not both");
    if (options.skills || options.feats) return options;
    // Paths as the user would write them: "skills.res" for the current folder.
    const std::filesystem::path folder = folders.empty() ? "" : utf8path(folders.front());
    options.skills = folder / "skills.res";
    options.feats = folder / "feats.res";
    return options;
}

std::string helptext() {
    return "Usage: talvira-check [DIR]\n"
           "       talvira-check [--skills FILE] [--feats FILE]\n"
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
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n"
           "Exit status: 0 when there is no error (warnings allowed), 1 when there is at\n"
           "least one error, 2 when a file cannot be read or the arguments are wrong.\n";
}
