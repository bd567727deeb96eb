#include "valency_notes.h"

namespace ionvale {
namespace {

std::string valencyText(int valency)
{
    return "Variable Valency " + std::to_string(valency) + "+";
}

std::string nameText(std::string_view metal, std::string_view ion)
{
    std::string text = "Name of ";
    text.append(metal).append(" Having this Valency:").append(ion);
    return text;
}

} // namespace

MessageSequence noteTexts(const ValencyNote& note)
{
    return {valencyText(note.lower), nameText(note.metal, note.lowerName),
            valencyText(note.higher), nameText(note.metal, note.higherName)};
}

} // namespace ionvale
