#pragma once

#include "message_sequence.h"

#include <array>
#include <string_view>

namespace ionvale {

// A metal with two valencies, as listed under Note > Chemicals Having
// Variable Valency. The metal's name is also the menu item's caption.
struct ValencyNote {
    std::string_view item;   // the menu item's name, e.g. cuprous
    std::string_view metal;  // e.g. Copper
    int lower;
    int higher;
    std::string_view lowerName;   // the ion with the lower valency
    std::string_view higherName;  // the ion with the higher valency
};

// The nine notes in menu order: Copper, Silver, ..., Manganese.
inline constexpr std::array<ValencyNote, 9> valencyNotes{{
    {"cuprous", "Copper", 1, 2, "Cuprous", "Cupric"},
    {"argentous", "Silver", 1, 2, "Argentous", "Argentic"},
    {"mercurous", "Mercury", 1, 2, "Mercurous", "Mercuric"},
    {"aurous", "Gold", 1, 3, "Aurous", "Auric"},
    {"ferrous", "Iron", 2, 3, "Ferrous", "Ferric"},
    {"plumbous", "Lead", 2, 4, "Plumbous", "Plumbic"},
    {"stannous", "Tin", 2, 4, "Stannous", "Stannic"},
    {"platinous", "Platinum", 2, 4, "Platinous", "Platinic"},
    {"mangannous", "Manganese", 2, 4, "Mangannous", "Mangannicic"},
}};

// The four boxes of a note: the lower valency, the name of its ion, the
// higher valency, the name of its ion.
MessageSequence noteTexts(const ValencyNote& note);

} // namespace ionvale
