#include "menu_bar.h"

#include <array>

namespace ionvale {
namespace {

struct MenuItem {
    int level;  // 0 stands on the bar, 1 in its drop-down, 2 in a submenu of that
    std::string_view name;
    std::string_view caption;
};

// In display order. An item opens a submenu when the item after it stands one
// level deeper; every other item runs the command bound to its name.
constexpr std::array<MenuItem, 16> menuTree{{
    {0, "help", "Help"},
    {1, "topics", " Help about Topics"},
    {1, "about", "About this Program"},
    {0, "note", "Note"},
    {1, "variable", "Chemicals Having Variable Valency"},
    {2, "cuprous", "Copper"},
    {2, "argentous", "Silver"},
    {2, "mercurous", "Mercury"},
    {2, "aurous", "Gold"},
    {2, "ferrous", "Iron"},
    {2, "plumbous", "Lead"},
    {2, "stannous", "Tin"},
    {2, "platinous", "Platinum"},
    {2, "mangannous", "Manganese"},
    {0, "credits", "Credits"},
    {0, "more", "More"},
}};

} // namespace

MenuBar::MenuBar(toolkit::Window& window)
{
    // parents[level] is the menu that items of that level go into.
    std::array<toolkit::Menu*, 3> parents{};
    for (std::size_t i = 0; i < menuTree.size(); ++i) {
        const MenuItem& item = menuTree[i];
        const bool opensSubmenu = i + 1 < menuTree.size() && menuTree[i + 1].level > item.level;
        toolkit::Menu* parent = parents[static_cast<std::size_t>(item.level)];
        if (opensSubmenu) {
            parents[static_cast<std::size_t>(item.level) + 1] = window.addMenu(parent, item.name, item.caption);
        } else {
            window.addMenuCommand(parent, item.name, item.caption,
                                  [this, name = std::string(item.name)] { dispatch(name); });
        }
    }
}

void MenuBar::bind(std::string_view item, toolkit::Command command)
{
    commands_.insert_or_assign(std::string(item), std::move(command));
}

void MenuBar::dispatch(const std::string& item) const
{
    if (const auto found = commands_.find(item); found != commands_.end())
        found->second();
}

} // namespace ionvale
