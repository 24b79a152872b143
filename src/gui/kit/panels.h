// The framed panels of the card editors (the receipt editor's issuer,
// customer, number and totals; the customer card's sections), each laid out
// from a table of rows: a caption, the box it names and an optional picture
// button beside the box. The first caption of every row sits in one column
// so the boxes line up.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <span>

#include "gui/app/conventions.h"

class QFrame;

namespace corvelo {

struct PanelCell {
    const char* caption;
    const char* box;
    int width = 0;                  // fixed box width in pixels; 0 stretches
    const char* button = nullptr;   // picture button after the box
    const char* picture = nullptr;  // its resource path
};

struct PanelRow {
    PanelCell cells[3];
};

// A picture button in the panel's heading.
struct HeadingButton {
    const char* name;
    const char* picture;
};

struct PanelLayout {
    const char* name;   // panDitta ...
    const char* title;  // heading text
    std::span<const PanelRow> rows;
    std::span<const HeadingButton> heading;
    // The column of first captions is at least this wide (panels stacked in
    // one column pass the same width, so their boxes line up too).
    int captionWidth = 0;
};

// The width BuildPanel gives the column of first captions of panel.
int CaptionColumnWidth(const PanelLayout& panel, const QFont& font);

// Builds the panel. Boxes whose rule in `boxes` is BoxKind::Province are
// province boxes, all others line edits.
QFrame* BuildPanel(const PanelLayout& panel, std::span<const BoxRule> boxes, QWidget* parent);

// The shared frame of a panel: white card with a heading band.
QFrame* MakePanelFrame(const QString& name, const QString& title,
                       std::span<const HeadingButton> heading, QWidget* parent);

}  // namespace corvelo
