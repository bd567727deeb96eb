#pragma once

// The one layer that talks to the GUI toolkit. Everything above it speaks
// twips, captions and message sequences; pixels exist only in here.

#include "message_sequence.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

class QApplication;
class QMainWindow;
class QMenu;
class QWidget;

namespace ionvale::toolkit {

using Command = std::function<void()>;

// A control of the window (the picture box or a button), as a handle.
using Control = QWidget;
// A submenu, as a handle; nullptr stands for the menu bar itself.
using Menu = QMenu;

struct TwipRect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

// Starts the toolkit for this one GUI thread, and runs its event loop.
// The toolkit sees no command-line arguments. Where no graphical display can
// be reached it says so in one line on stderr and ends the process with
// status 1. The desktop file name tells Wayland compositors which launcher
// entry, and so which icon, the windows belong to.
class Session {
public:
    Session(std::string_view applicationName, std::string_view version, std::string_view desktopFileName);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs until the main window has been closed; returns the exit status.
    int run();

private:
    std::unique_ptr<QApplication> application_;
};

// A top-level window with a sizable frame, a menu bar and a client area whose
// background is the desktop's 3D face colour. Its controls are placed at
// absolute positions and never move with the window.
class Window {
public:
    // The icon may come in several sizes; the window system picks one.
    Window(std::string_view name, std::string_view caption,
           std::initializer_list<std::string_view> iconResources);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // A picture box at `outer` in the client area, with a single sunken
    // border, drawing the bitmap unscaled at the top-left of its client area.
    // It can hold the focus and does nothing with keys. Screen readers know
    // it by `accessibleName`.
    Control* addPictureBox(std::string_view name, std::string_view accessibleName, TwipRect outer,
                           std::string_view bitmapResource);

    // A push button in the client area of `parent`; a click, or Space while
    // it has the focus, runs `onActivate`. Screen readers read its caption
    // and `description`.
    Control* addButton(Control* parent, std::string_view name, std::string_view caption,
                       std::string_view description, TwipRect where, Command onActivate);

    // Tab runs through `order` and wraps around; Shift+Tab runs backwards.
    // The first control has the focus at start.
    void setTabOrder(const std::vector<Control*>& order);

    // A submenu under `parent` (nullptr: on the menu bar).
    Menu* addMenu(Menu* parent, std::string_view name, std::string_view caption);
    // An item under `parent` (nullptr: on the menu bar) that runs `onChoose`.
    void addMenuCommand(Menu* parent, std::string_view name, std::string_view caption,
                        Command onChoose);

    // Shows the window, its client area (below the menu bar) at this size,
    // in the window system's default place.
    void show(Twips clientWidth, Twips clientHeight);

    // Shows `text` exactly as given in an application-modal message box owned
    // by this window: the title, no icon, one OK button. Returns once the box
    // has been dismissed, whichever way.
    void showMessage(std::string_view title, std::string_view text);

private:
    std::unique_ptr<QMainWindow> window_;
    QWidget* client_;
};

} // namespace ionvale::toolkit
