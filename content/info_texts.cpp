#include "info_texts.h"

#include "author.h"

namespace ionvale {

const std::vector<InfoText>& infoTexts()
{
    static const std::vector<InfoText> texts{
        {"topics",
         {"Click on the Chemicals to Know more About it.",
          "Chemicals having Variable Valencies are given in the note option,given next to the "
          "Help option at the top."}},
        {"about", {"Ionvale,1st edition.Created by " + std::string(author)}},
        {"credits", {"Created By " + std::string(author), "My E-Mail is " + std::string(authorEmail)}},
        {"more",
         {std::string(23, ' ') + "Wait for 'Ionvale,2nd editon'.It is comming with more information." +
          std::string(30, ' ')}},
    };
    return texts;
}

} // namespace ionvale
