#include "main_window.h"

#include "info_texts.h"
#include "ion_table.h"
#include "valency_notes.h"

namespace ionvale {
namespace {

constexpr std::string_view caption = "Ionvale,1st Edition";
constexpr Twips clientWidth = 10200;
constexpr Twips clientHeight = 6900;
constexpr toolkit::TwipRect picturePlace{0, 0, 13095, 7455};
constexpr std::string_view pictureName = "Chemicals";

// What a screen reader says a button does, e.g. "Shows the symbol and
// valency of the Ferric ion".
std::string describe(const IonEntry& ion)
{
    std::string_view ionName = ion.caption.substr(0, ion.caption.find_last_not_of(' ') + 1);
    std::string description = "Shows the symbol and valency of the ";
    description.append(ionName).append(" ion");
    return description;
}

} // namespace

MainWindow::MainWindow(MessagePresenter* presenter)
    : window_("Form1", caption, {":/ionvale/ionvale.ico", ":/ionvale/ionvale-128.png"}),
      messageBoxes_(window_),
      presenter_(presenter ? *presenter : messageBoxes_),
      menuBar_(window_)
{
    toolkit::Control* picture =
        window_.addPictureBox("Picture1", pictureName, picturePlace, ":/ionvale/background.bmp");

    // The tab order starts at the picture, then runs by each button's tab position.
    std::vector<toolkit::Control*> tabOrder(ionTable().size() + 1, nullptr);
    tabOrder[0] = picture;
    for (const IonEntry& ion : ionTable()) {
        tabOrder[static_cast<std::size_t>(ion.tabPosition)] = window_.addButton(
            picture, ion.name, ion.caption, describe(ion), {ion.left, ion.top, ion.width, ion.height},
            [this, &ion] { showSequence(presenter_, ion.texts); });
    }
    window_.setTabOrder(tabOrder);

    for (const ValencyNote& note : valencyNotes)
        bind(note.item, noteTexts(note));
    for (const InfoText& info : infoTexts())
        bind(info.item, info.texts);
}

void MainWindow::bind(std::string_view item, MessageSequence texts)
{
    menuBar_.bind(item, [this, texts = std::move(texts)] { showSequence(presenter_, texts); });
}

void MainWindow::show()
{
    window_.show(clientWidth, clientHeight);
}

} // namespace ionvale
