// Substring search over the morpher's lists: the one hot loop of every
// morphology question.
#pragma once

#include <string_view>

// Position of the first occurrence of pattern in text at or after from, or
// npos; the same answer as std::string_view::find.
size_t FindInList(std::string_view text, std::string_view pattern, size_t from = 0);
