// The command bar panComandi at the top of a card editor: groups of
// command pictures with their captions, separated by thin rules, and the
// exit group at the right end. A group may hold a widget of the screen's
// own among its pictures (the card number between the arrows).
#pragma once

#include <QSize>
#include <cstddef>
#include <span>

#include "gui/app/widgets.h"

class QFrame;
class QWidget;

namespace corvelo {

struct CommandGroup {
    std::span<const PictureEntry> pictures;
    QWidget* inserted = nullptr;  // placed before picture number insertAt
    std::size_t insertAt = 0;
};

QFrame* MakeCommandBar(std::span<const CommandGroup> groups, std::span<const PictureEntry> exit,
                       QWidget* parent, QSize pictureSize = QSize(30, 30));

}  // namespace corvelo
