#pragma once

#include "menu_bar.h"
#include "message_presenter.h"
#include "toolkit.h"

namespace ionvale {

// Form1: the program's one window. The picture box Picture1 holds the
// background bitmap and the 32 ion buttons; the menu bar carries the help,
// the notes on variable valency, the credits and the next edition's notice.
// Every command hands its message sequence to the presenter.
class MainWindow {
public:
    // With no presenter given, the texts are shown in real message boxes.
    explicit MainWindow(MessagePresenter* presenter = nullptr);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void show();

private:
    void bind(std::string_view item, MessageSequence texts);

    toolkit::Window window_;
    MessageBoxPresenter messageBoxes_;
    MessagePresenter& presenter_;
    MenuBar menuBar_;
};

} // namespace ionvale
