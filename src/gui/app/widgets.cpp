#include "gui/app/widgets.h"

#include <QDialog>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace corvelo {

PictureButton::PictureButton(const QString& name, const QString& picture, QSize size,
                             const QString& caption, QWidget* parent)
    : QAbstractButton(parent), picture_(picture), size_(size) {
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(look::Base());
    setToolTip({});
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureButton::SetPicture(const QString& picture) {
    picture_ = picture;
    update();
}

QSize PictureButton::sizeHint() const {
    QSize hint = size_ + QSize(4, 4);
    if (!text().isEmpty()) {
        const QFontMetrics metrics(font());
        hint.setWidth(qMax(hint.width(), metrics.horizontalAdvance(text()) + 8));
        hint.setHeight(hint.height() + metrics.height() + 2);
    }
    return hint;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int shift = isDown() ? 1 : 0;
    const QRect box((width() - size_.width()) / 2 + shift, 2 + shift, size_.width(),
                    size_.height());
    if (hover_ || hasFocus()) {
        painter.setPen(QColor(hasFocus() ? "#E0A000" : "#9DB4D6"));
        painter.setBrush(QColor(hasFocus() ? "#FFF6C8" : "#E6EEF9"));
        painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 4, 4);
    }
    if (!isEnabled()) painter.setOpacity(0.4);
    if (picture_.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(picture_);
        renderer.render(&painter, box);
    } else {
        painter.drawPixmap(box, QPixmap(picture_));
    }
    if (!text().isEmpty()) {
        painter.setPen(QColor("#1A1A1A"));
        painter.setFont(font());
        painter.drawText(QRect(0, box.bottom() + 2, width(), height() - box.bottom() - 2),
                         Qt::AlignHCenter | Qt::AlignTop, text());
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// ---------------------------------------------------------------------------

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    QFont f = look::Base();
    f.setUnderline(true);
    setFont(f);
    SetColour(QColor(kLinkReleased));
}

void LinkLabel::SetColour(const QColor& colour) {
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::Tie(QWidget* partner) {
    partner->installEventFilter(this);
    partner->setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetColour(QColor(kLinkPressed));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetColour(QColor(kLinkReleased));
    if (rect().contains(event->position().toPoint())) emit clicked();
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event) {
    auto* partner = qobject_cast<QWidget*>(watched);
    if (!partner) return false;
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SetColour(QColor(kLinkPressed));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SetColour(QColor(kLinkReleased));
        if (partner->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            emit clicked();
        }
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------

namespace {
class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Taking the press makes the release come here too.
        if (event->type() == QEvent::MouseButtonPress) {
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        }
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            action_();
            return true;
        }
        return false;
    }

  private:
    std::function<void()> action_;
};
}  // namespace

void OnClick(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new ClickFilter(widget, std::move(action)));
    widget->setCursor(Qt::PointingHandCursor);
}

QLineEdit* MakeBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(look::Base());
    return box;
}

QHBoxLayout* MakePictureRow(std::span<const PictureEntry> entries, QWidget* parent, QSize size) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (const PictureEntry& entry : entries) {
        row->addWidget(new PictureButton(QLatin1String(entry.name), QLatin1String(entry.picture),
                                         size, QString::fromUtf8(entry.caption), parent));
    }
    return row;
}

QHBoxLayout* MakeToolRow(std::span<const PictureEntry> entries, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(26);
    row->addStretch(1);
    for (const PictureEntry& entry : entries) {
        auto* tool = new PictureButton(QLatin1String(entry.name), QLatin1String(entry.picture),
                                       QSize(40, 40), QString::fromUtf8(entry.caption), parent);
        tool->setMinimumWidth(96);
        row->addWidget(tool);
    }
    row->addStretch(1);
    return row;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* MakeHiddenLabel(const QString& name, QWidget* parent) {
    QLabel* label = MakeLabel(name, {}, parent);
    label->hide();
    return label;
}

void MakeFixedDialog(QDialog* dialog, QSize clientSize) {
    dialog->setFixedSize(clientSize);
    dialog->setWindowFlags((dialog->windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                           ~Qt::WindowContextHelpButtonHint);
    dialog->setModal(true);
    const QWidget* over = dialog->parentWidget();
    QRect area = over && over->isVisible() ? over->frameGeometry() : QRect();
    if (!area.isValid()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            area = screen->availableGeometry();
        }
    }
    if (area.isValid()) {
        dialog->move(area.center() - QPoint(clientSize.width() / 2, clientSize.height() / 2));
    }
}

namespace look {
QFont Base() {
    QFont f(QStringLiteral("Verdana"), 9);
    f.setStyleHint(QFont::SansSerif);
    return f;
}
QFont Heading() {
    QFont f = Base();
    f.setPointSize(12);
    f.setBold(true);
    return f;
}
QFont Fixed() {
    QFont f(QStringLiteral("Courier New"), 12);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}
}  // namespace look

QLabel* MakeStatusLine(const QString& idleText, QWidget* parent) {
    QLabel* status = MakeLabel(QStringLiteral("panInfo"), idleText, parent);
    status->setFont(look::Base());
    status->setFixedHeight(28);
    status->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    status->setStyleSheet(QStringLiteral("QLabel#panInfo { background: %1; color: #1A1A1A;"
                                         " border-top: 1px solid #B8C6DB; padding: 0 10px; }")
                              .arg(QLatin1String(look::kStatusColour)));
    return status;
}

QWidget* MakeHeaderBand(QWidget* parent) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("panTitolo"));
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(look::kHeaderColour));
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
    return band;
}

QWidget* MakeBanner(const QString& picture, const QString& title, QWidget* parent) {
    auto* banner = new QWidget(parent);
    banner->setObjectName(QStringLiteral("panBanner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(QStringLiteral("#panBanner { background: qlineargradient(x1:0, y1:0, "
                                         "x2:1, y2:0, stop:0 %1, stop:1 #4F7DB8); }")
                              .arg(QLatin1String(look::kHeaderColour)));
    auto* row = new QHBoxLayout(banner);
    row->setContentsMargins(16, 8, 16, 8);
    if (!picture.isEmpty()) {
        auto* image =
            new PictureButton(QStringLiteral("imgBanner"), picture, QSize(40, 40), {}, banner);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        row->addWidget(image);
        row->addSpacing(8);
    }
    auto* label = MakeLabel(QStringLiteral("titBanner"), title, banner);
    QFont font = look::Heading();
    font.setPointSize(16);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white;"));
    row->addWidget(label);
    row->addStretch(1);
    return banner;
}

}  // namespace corvelo
