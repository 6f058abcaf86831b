#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "taken.h"

// Finds, for a table row's key, the first taken skill whose name or
// name + " (" + spec + ")" equals it, in one look-up instead of a scan of the list.
class TakenIndex {
public:
    explicit TakenIndex(const std::vector<TTakenSkill>& taken);

    std::optional<std::size_t> find(std::string_view key) const;

private:
    std::vector<std::string> parenkeys_;
    std::unordered_map<std::string_view, std::size_t> first_;
};
