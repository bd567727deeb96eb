#pragma once

#include "message_sequence.h"

#include <string_view>
#include <vector>

namespace ionvale {

// A menu command that is not about a metal: the two help items, Credits and
// More. The item is the menu item's name.
struct InfoText {
    std::string_view item;
    MessageSequence texts;
};

// topics, about, credits, more.
const std::vector<InfoText>& infoTexts();

} // namespace ionvale
