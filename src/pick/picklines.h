#pragma once

#include <string>

#include "catalogue/records.h"

// A skill's list line: its name, then its difficulty, special and branched marks inside
// one pair of parentheses.
std::string skillline(const TSkillRec& skill);

// A feature's list line: "name (c1/c2/c3)", then " (разветвленная)" when branched.
std::string featline(const TFeatRec& feat);
