#pragma once

#include "message_sequence.h"

#include <string_view>

namespace ionvale {

namespace toolkit {
class Window;
}

// The title of every message box.
inline constexpr std::string_view applicationTitle = "IONVAL~1";

// Tells the user one text and returns once the user has dismissed it.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void present(std::string_view text) = 0;
};

// Shows each text of `sequence` in turn, the next only after the one before
// has been dismissed; returns after the last.
void showSequence(MessagePresenter& presenter, const MessageSequence& sequence);

// The real presenter: a modal message box titled with the application title,
// owned by the main window.
class MessageBoxPresenter final : public MessagePresenter {
public:
    explicit MessageBoxPresenter(toolkit::Window& owner) : owner_(owner) {}
    void present(std::string_view text) override;

private:
    toolkit::Window& owner_;
};

} // namespace ionvale
