#pragma once

#include "message_sequence.h"

#include <string_view>
#include <vector>

namespace ionvale {

// One ion button: where it stands in the picture box, where it comes in the
// tab order, and what it shows when activated.
struct IonEntry {
    std::string_view name;     // Command1 .. Command32
    std::string_view caption;  // as written, trailing space included
    Twips left;                // in the picture box's client area
    Twips top;
    Twips width;
    Twips height;
    int tabPosition;           // 1 .. 32; the picture itself holds 0
    MessageSequence texts;     // two texts, or three for a variable valency
};

// The 32 ion buttons, Command1 first.
const std::vector<IonEntry>& ionTable();

} // namespace ionvale
