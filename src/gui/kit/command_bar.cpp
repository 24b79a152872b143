#include "gui/kit/command_bar.h"

#include <QFrame>
#include <QHBoxLayout>

namespace corvelo {

namespace {

void AddPictures(QHBoxLayout* row, std::span<const PictureEntry> pictures, QWidget* parent,
                 QSize size) {
    for (const PictureEntry& entry : pictures) {
        row->addWidget(new PictureButton(QLatin1String(entry.name), QLatin1String(entry.picture),
                                         size, QString::fromUtf8(entry.caption), parent));
    }
}

}  // namespace

QFrame* MakeCommandBar(std::span<const CommandGroup> groups, std::span<const PictureEntry> exit,
                       QWidget* parent, QSize pictureSize) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setStyleSheet(QStringLiteral(
        "QFrame#panComandi { background: white; border-bottom: 1px solid #B8C6DB; }"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(2);
    for (const CommandGroup& group : groups) {
        auto* pictures = new QHBoxLayout;
        pictures->setSpacing(0);
        const std::size_t at = group.inserted ? group.insertAt : group.pictures.size();
        AddPictures(pictures, group.pictures.first(at), bar, pictureSize);
        if (group.inserted) {
            group.inserted->setParent(bar);
            pictures->addSpacing(4);
            pictures->addWidget(group.inserted, 0, Qt::AlignVCenter);
            pictures->addSpacing(4);
        }
        AddPictures(pictures, group.pictures.subspan(at), bar, pictureSize);
        row->addLayout(pictures);
        auto* rule = new QFrame(bar);
        rule->setObjectName(QStringLiteral("shpRule"));
        rule->setFixedSize(1, 44);
        rule->setStyleSheet(QStringLiteral("background: #D5DEEA; border: none;"));
        row->addSpacing(4);
        row->addWidget(rule);
        row->addSpacing(4);
    }
    row->addStretch(1);
    auto* last = new QHBoxLayout;
    last->setSpacing(6);
    AddPictures(last, exit, bar, pictureSize);
    row->addLayout(last);
    // Never narrower than the caption: a squeezed bar must not cut it.
    for (auto* button : bar->findChildren<PictureButton*>()) {
        button->setMinimumWidth(qMax(50, button->sizeHint().width() + 6));
    }
    return bar;
}

}  // namespace corvelo
