#include "gui/kit/panels.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/widgets.h"

namespace corvelo {

namespace {

// Captions wider than this go above their box instead of beside it.
constexpr int kWidestSideCaption = 190;

bool IsProvince(std::span<const BoxRule> boxes, const char* name) {
    for (const BoxRule& rule : boxes) {
        if (QLatin1String(rule.name) == QLatin1String(name)) return rule.kind == BoxKind::Province;
    }
    return false;
}

QWidget* MakeCellBox(const PanelCell& cell, std::span<const BoxRule> boxes, QWidget* parent) {
    const QString name = QLatin1String(cell.box);
    QWidget* box = nullptr;
    if (IsProvince(boxes, cell.box)) {
        auto* province = new ProvinceBox(name, parent);
        province->setFixedWidth(cell.width > 0 ? cell.width : 64);
        box = province;
    } else {
        box = MakeBox(name, parent);
        if (cell.width > 0) box->setFixedWidth(cell.width);
    }
    return box;
}

QLabel* MakeCaption(const PanelCell& cell, QWidget* parent) {
    auto* caption = MakeLabel(QStringLiteral("tit") + QLatin1String(cell.box).mid(3),
                              QString::fromUtf8(cell.caption), parent);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return caption;
}

}  // namespace

QFrame* MakePanelFrame(const QString& name, const QString& title,
                       std::span<const HeadingButton> heading, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #B8C6DB;"
                                        " border-radius: 6px; }")
                             .arg(name));
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(12, 8, 12, 10);
    column->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    auto* label = MakeLabel(QStringLiteral("int") + name.mid(3), title, frame);
    QFont font = look::Base();
    font.setBold(true);
    font.setPointSize(10);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(look::kHeaderColour)));
    top->addWidget(label);
    top->addStretch(1);
    for (const HeadingButton& b : heading) {
        top->addWidget(new PictureButton(QLatin1String(b.name), QLatin1String(b.picture),
                                         QSize(22, 22), {}, frame));
    }
    column->addLayout(top);
    auto* rule = new QFrame(frame);
    rule->setObjectName(QStringLiteral("shp") + name.mid(3));
    rule->setFixedHeight(1);
    rule->setStyleSheet(QStringLiteral("background: #D5DEEA; border: none;"));
    column->addWidget(rule);
    return frame;
}

int CaptionColumnWidth(const PanelLayout& panel, const QFont& font) {
    // As wide as the widest first caption that fits beside its box.
    const QFontMetrics metrics(font);
    int width = 0;
    for (const PanelRow& row : panel.rows) {
        const int w = metrics.horizontalAdvance(QString::fromUtf8(row.cells[0].caption));
        if (w <= kWidestSideCaption) width = qMax(width, w + 8);
    }
    return width;
}

QFrame* BuildPanel(const PanelLayout& panel, std::span<const BoxRule> boxes, QWidget* parent) {
    QFrame* frame = MakePanelFrame(QLatin1String(panel.name), QString::fromUtf8(panel.title),
                                   panel.heading, parent);
    auto* column = static_cast<QVBoxLayout*>(frame->layout());

    const QFontMetrics metrics(frame->font());
    const int captionColumn = qMax(panel.captionWidth, CaptionColumnWidth(panel, frame->font()));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, captionColumn);
    grid->setColumnStretch(1, 1);
    int r = 0;
    for (const PanelRow& row : panel.rows) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        bool stretches = false;
        for (int c = 0; c < 3 && row.cells[c].box; ++c) {
            const PanelCell& cell = row.cells[c];
            QLabel* caption = MakeCaption(cell, frame);
            if (c == 0) {
                if (metrics.horizontalAdvance(caption->text()) > kWidestSideCaption) {
                    grid->addWidget(caption, r++, 0, 1, 2);
                } else {
                    grid->addWidget(caption, r, 0);
                }
            } else {
                line->addSpacing(8);
                line->addWidget(caption);
            }
            QWidget* box = MakeCellBox(cell, boxes, frame);
            line->addWidget(box, cell.width > 0 ? 0 : 1);
            stretches = stretches || cell.width == 0;
            if (cell.button) {
                line->addWidget(new PictureButton(QLatin1String(cell.button),
                                                  QLatin1String(cell.picture), QSize(20, 20), {},
                                                  frame));
            }
        }
        if (!stretches) line->addStretch(1);
        grid->addLayout(line, r++, 1);
    }
    column->addLayout(grid);
    column->addStretch(1);
    return frame;
}

}  // namespace corvelo
