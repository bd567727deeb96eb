#include "ion_table.h"

namespace ionvale {
namespace {

// Three columns of buttons; every button is 375 twips high.
constexpr Twips column1Left = 840;
constexpr Twips column2Left = 3840;
constexpr Twips column3Left = 6960;
constexpr Twips narrow = 1215;
constexpr Twips wide = 1335;
constexpr Twips buttonHeight = 375;

constexpr const char* variable = "Special Property:It has variable Valency";

IonEntry simple(std::string_view name, std::string_view caption, Twips left, Twips top,
                Twips width, int tab, const char* symbolText, const char* valencyText)
{
    return {name, caption, left, top, width, buttonHeight, tab, {symbolText, valencyText}};
}

IonEntry varying(std::string_view name, std::string_view caption, Twips left, Twips top,
                 int tab, const char* symbolText, const char* valencyText)
{
    return {name, caption, left, top, wide, buttonHeight, tab, {variable, symbolText, valencyText}};
}

} // namespace

const std::vector<IonEntry>& ionTable()
{
    static const std::vector<IonEntry> table{
        simple("Command1", "Potassium", column1Left, 360, narrow, 4, "Chemical Name:K", "Valency=k^1+"),
        simple("Command2", "Sodium ", column1Left, 840, narrow, 3, "Chemical Name:Na", "Valency=Na^1+"),
        simple("Command3", "Lithium", column1Left, 1320, narrow, 2, "Chemical Name:Li", "Valency=Li^1+"),
        simple("Command4", "Hydrogen ", column1Left, 1800, narrow, 1, "Chemical Name:H", "Valency=H^1+"),
        simple("Command5", "Ammonium", column1Left, 2280, narrow, 5, "Chemical Name:NH4", "Valency=NH4^1+"),
        simple("Command6", "Calcium", column1Left, 2760, narrow, 6, "Chemical Name:Ca", "Valency=Ca^2+"),
        simple("Command7", "Magnesium", column1Left, 3240, narrow, 7, "Chemical Name:Mg", "Valency=Mg^2+"),
        simple("Command8", "Zinc", column1Left, 3720, narrow, 8, "Chemical Name:Zn", "Valency=Zn^2+"),
        simple("Command9", "Barium", column1Left, 4200, narrow, 9, "Chemical Name:Ba", "Valency=Ba^2+"),
        simple("Command10", "Nickel", column1Left, 4680, narrow, 10, "Chemical Name:Ni", "Valency=Ni^2+"),
        simple("Command11", "Cobalt", column1Left, 5160, narrow, 11, "Chemical Name:Co", "Valency=Co^2+"),
        simple("Command12", "Uranium", column1Left, 5640, narrow, 12, "Chemical Name:U", "Valency=U^2+"),
        simple("Command13", "Aluminium", column2Left, 360, wide, 13, "Chemical Name:Al", "Valency=Al^3+"),
        simple("Command14", "Chromium", column2Left, 840, wide, 14, "Chemical Name:Cr", "Valency=Cr^3+"),
        varying("Command15", "Cuprous", column2Left, 1320, 15, "Chemical Name:cu", "Valency=cu^1+"),
        varying("Command16", "Argentous", column2Left, 1800, 16, "Chemical Name:Ag", "Valency=Ag^1+"),
        varying("Command17", "Mercurous", column2Left, 2280, 17, "Chemical Name:Hg", "Valency=Hg^1+"),
        varying("Command18", "Aurous", column2Left, 2760, 18, "Chemical Name:Au", "Valency=Au^1+"),
        varying("Command19", "Cupric", column2Left, 3240, 19, "Chemical Name:Cu", "Valency=cu^2+"),
        varying("Command20", "Argentic", column2Left, 3720, 20, "Chemical Name:Ag", "Valency=Ag^2+"),
        varying("Command21", "Mercuric", column2Left, 4200, 21, "Chemical Name:Hg", "Valency=Hg^2+"),
        varying("Command22", "Ferrous", column2Left, 4680, 22, "Chemical Name:Fe", "Valency=Fe^2+"),
        varying("Command23", "Plumbous", column2Left, 5160, 23, "Chemical Name:Pb", "Valency=Pb^2+"),
        varying("Command24", "Stannous", column2Left, 5640, 24, "Chemical Name:Sn", "Valency=Sn^2+"),
        varying("Command25", "Platinous", column3Left, 360, 25, "Chemical Name:Pt", "Valency=Pt^2+"),
        varying("Command26", "Mangannous", column3Left, 960, 26, "Chemical Name:Mn", "Valency=Mn^2+"),
        varying("Command27", "Ferric", column3Left, 1440, 27, "Chemical Name:Fe", "Valency=Fe^3+"),
        varying("Command28", "Auric", column3Left, 1920, 28, "Chemical Name:Au", "Valency=Au^3+"),
        varying("Command29", "Plumbic", column3Left, 2400, 29, "Chemical Name:Pb", "Valency=Pb^4+"),
        varying("Command30", "Stannic", column3Left, 2880, 30, "Chemical Name:Sn", "Valency=Sn^4+"),
        varying("Command31", "Platinic", column3Left, 3360, 31, "Chemical Name:Pt", "Valency=Pt^4+"),
        varying("Command32", "Mangannic", column3Left, 3840, 32, "Chemical Name:Mn", "Valency=Mn^4+"),
    };
    return table;
}

} // namespace ionvale
