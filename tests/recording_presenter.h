#pragma once

#include "info_texts.h"
#include "message_presenter.h"

#include <QStringList>

// Stands in for the message boxes: keeps every text it is given, in order.
class RecordingPresenter final : public ionvale::MessagePresenter {
public:
    void present(std::string_view text) override
    {
        shown.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    QStringList shown;
};

inline QStringList toStringList(const ionvale::MessageSequence& sequence)
{
    QStringList list;
    for (const std::string& text : sequence)
        list.append(QString::fromStdString(text));
    return list;
}

// The texts of a help or information command, by its menu item's name.
inline QStringList infoSequence(std::string_view item)
{
    for (const ionvale::InfoText& info : ionvale::infoTexts())
        if (info.item == item)
            return toStringList(info.texts);
    return {};
}
