// The command line of talvira-check.
#include "check/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Paths with "/" between their parts, as every system can print them.
std::string parsed(std::vector<std::string_view> args) {
    const Options options = parseoptions(args);
    switch (options.action) {
        case Options::Action::Help:
            return "help";
        case Options::Action::Version:
            return "version";
        case Options::Action::Wrong:
            return "wrong: " + options.wrong;
        case Options::Action::Check:
            break;
    }
    return "skills=" + (options.skills ? options.skills->generic_string() : "-") +
           " feats=" + (options.feats ? options.feats->generic_string() : "-");
}

TEST(Options, WhatEachCommandLineChecks) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{}, "skills=skills.res feats=feats.res"},
        {{"cat"}, "skills=cat/skills.res feats=cat/feats.res"},
        {{"cat/"}, "skills=cat/skills.res feats=cat/feats.res"},
        {{"--skills", "a.res"}, "skills=a.res feats=-"},
        {{"--feats=b.res"}, "skills=- feats=b.res"},
        {{"--skills", "a", "--feats", "b"}, "skills=a feats=b"},
        {{"--", "-dir"}, "skills=-dir/skills.res feats=-dir/feats.res"},
        {{"--help"}, "help"},
        {{"cat", "--version"}, "version"},
        {{"--skills"}, "wrong: option '--skills' needs a file"},
        {{"--skills", "a", "--skills", "b"}, "wrong: option '--skills' given twice"},
        {{"-x"}, "wrong: unknown option '-x'"},
        {{"--skillsx"}, "wrong: unknown option '--skillsx'"},
        {{"a", "b"}, "wrong: more than one folder given"},
        {{"a", "--feats", "b"}, "wrong: give a folder or --skills and --feats, not both"},
    };
    for (const auto& [args, expected] : cases) EXPECT_EQ(expected, parsed(args)) << expected;
}

}  // namespace
