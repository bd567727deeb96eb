#pragma once

#include <string>
#include <vector>

namespace ionvale {

// The unit of every position and size in the window: 1/1440 inch,
// 15 twips to a pixel at 96 dots per inch.
using Twips = int;

// The texts one command shows, in order, one modal message box per text.
// Every text is shown exactly as written: no space is trimmed or added.
using MessageSequence = std::vector<std::string>;

} // namespace ionvale
