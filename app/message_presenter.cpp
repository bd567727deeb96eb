#include "message_presenter.h"

#include "toolkit.h"

namespace ionvale {

void showSequence(MessagePresenter& presenter, const MessageSequence& sequence)
{
    for (const std::string& text : sequence)
        presenter.present(text);
}

void MessageBoxPresenter::present(std::string_view text)
{
    owner_.showMessage(applicationTitle, text);
}

} // namespace ionvale
