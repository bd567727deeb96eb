#pragma once

#include "toolkit.h"

#include <map>
#include <string>
#include <string_view>

namespace ionvale {

// The main window's menu bar: Help, Note, Credits, More. Commands are bound to
// its leaf items by name; a leaf with no command does nothing when chosen.
class MenuBar {
public:
    explicit MenuBar(toolkit::Window& window);
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    void bind(std::string_view item, toolkit::Command command);

private:
    void dispatch(const std::string& item) const;

    std::map<std::string, toolkit::Command, std::less<>> commands_;
};

} // namespace ionvale
