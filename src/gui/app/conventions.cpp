#include "gui/app/conventions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWheelEvent>

#include "core/app/amount_box.h"
#include "core/app/routines.h"

namespace corvelo {

namespace {

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool IsAmount(BoxKind kind) {
    return kind == BoxKind::Amount || kind == BoxKind::LineAmount;
}

QString FieldName(const QString& boxName) {
    return boxName.mid(3);
}

bool IsBackground(const QWidget* w) {
    const QString name = w->objectName();
    return name.startsWith(QLatin1String("pan")) || name.startsWith(QLatin1String("grp")) ||
           name.startsWith(QLatin1String("shp")) || name.startsWith(QLatin1String("bkg"));
}

bool IsEditBox(const QWidget* w) {
    return w->objectName().startsWith(QLatin1String("txt")) &&
           (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w));
}

QLineEdit* LineEditOf(QWidget* box) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->lineEdit();
    return nullptr;
}

}  // namespace

bool KeyPasses(BoxKind kind, const QKeyEvent& event) {
    if (kind != BoxKind::Digits && !IsAmount(kind)) return true;
    EditKey key = EditKey::Other;
    switch (event.key()) {
        case Qt::Key_Backspace:
            key = EditKey::Backspace;
            break;
        case Qt::Key_Delete:
            key = EditKey::Delete;
            break;
        case Qt::Key_Left:
            key = EditKey::Left;
            break;
        case Qt::Key_Right:
            key = EditKey::Right;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = EditKey::Enter;
            break;
        default:
            break;
    }
    // Keys without a character (Home, End, Up, Down ...) count as character 0.
    const QList<uint> codes = event.text().toUcs4();
    const char32_t character = codes.size() == 1 ? static_cast<char32_t>(codes.front()) : U'\0';
    return IsAmount(kind) ? AmountKeyPasses(key, character) : DigitsKeyPasses(key, character);
}

QString NormaliseAmountBox(const QString& text, bool emptyStaysEmpty) {
    return QString::fromStdString(NormaliseAmount(
        text.toStdString(), emptyStaysEmpty ? EmptyAmount::StaysEmpty : EmptyAmount::BecomesZero));
}

QString PassingText(BoxKind kind, const QString& text) {
    if (kind != BoxKind::Digits && !IsAmount(kind)) return text;
    QString passing;
    for (const char32_t c : text.toUcs4()) {
        const bool passes = IsAmount(kind) ? AmountKeyPasses(EditKey::Other, c)
                                           : DigitsKeyPasses(EditKey::Other, c);
        if (passes) passing.append(QChar(static_cast<char16_t>(c)));
    }
    return passing;
}

namespace {

// Enter on a focused button presses it, wherever the button is.
class ButtonEnter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers others =
            key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier);
        if (!IsEnter(*key) || others != Qt::NoModifier) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button) ||
            !button->hasFocus() || !button->isEnabled()) {
            return false;
        }
        // A held key presses once.
        if (!key->isAutoRepeat()) button->click();
        return true;
    }
};

}  // namespace

void PressButtonsOnEnter(QCoreApplication& app) {
    static constexpr const char* kName = "buttonEnter";
    if (app.findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly)) return;
    auto* filter = new ButtonEnter(&app);
    filter->setObjectName(QLatin1String(kName));
    app.installEventFilter(filter);
}

// ---------------------------------------------------------------------------

ScreenKit::ScreenKit(QWidget* screen) : QObject(screen), screen_(screen) {
    setObjectName(QStringLiteral("screenKit"));
    panInfo_ = screen->findChild<QLabel*>(QStringLiteral("panInfo"));
}

ScreenKit* ScreenKit::Of(QWidget* screen) {
    return screen ? screen->findChild<ScreenKit*>(QStringLiteral("screenKit"),
                                                  Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QWidget* ScreenKit::Find(const QString& name) const {
    return screen_->findChild<QWidget*>(name);
}

void ScreenKit::Watch(QWidget* box) {
    // installEventFilter moves an existing filter to the front, never doubles it.
    box->installEventFilter(this);
}

ScreenKit& ScreenKit::Boxes(std::span<const BoxRule> rules) {
    for (const BoxRule& rule : rules) {
        const QString name = QString::fromLatin1(rule.name);
        QWidget* box = Find(name);
        if (!box) continue;
        kinds_.insert(name, rule.kind);
        limits_.insert(name, rule.kind == BoxKind::Province ? 2 : qMax(rule.maxLength, 0));
        Watch(box);
        QLineEdit* edit = LineEditOf(box);
        if (!edit) continue;
        if (IsAmount(rule.kind)) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!before_.contains(edit)) {
            // Every change the user makes (typing, pasting, dropping) passes
            // Edited; the program's own texts only update what was shown.
            before_.insert(edit, edit->text());
            connect(edit, &QLineEdit::textEdited, this, [this, box, edit] { Edited(box, edit); });
            connect(edit, &QLineEdit::textChanged, this,
                    [this, edit] { before_.insert(edit, edit->text()); });
            connect(edit, &QObject::destroyed, this, [this, edit] { before_.remove(edit); });
        }
    }
    return *this;
}

ScreenKit& ScreenKit::EnterChain(std::span<const EnterStep> steps) {
    for (const EnterStep& step : steps) {
        const QString from = QString::fromLatin1(step.from);
        enter_.insert(from, QString::fromLatin1(step.to));
        if (QWidget* box = Find(from)) Watch(box);
    }
    return *this;
}

ScreenKit& ScreenKit::Hints(std::span<const HintRule> hints) {
    if (!panInfo_) panInfo_ = screen_->findChild<QLabel*>(QStringLiteral("panInfo"));
    for (const HintRule& rule : hints) {
        const QString name = QString::fromLatin1(rule.control);
        hints_.insert(name, QString::fromUtf8(rule.hint));
        if (QWidget* control = Find(name)) Watch(control);
    }
    auto background = screen_->findChildren<QWidget*>();
    background.prepend(screen_);
    for (QWidget* w : background) {
        if (w == screen_ || IsBackground(w)) {
            w->setMouseTracking(true);
            Watch(w);
        }
    }
    return *this;
}

ScreenKit& ScreenKit::Highlight() {
    for (QWidget* box : screen_->findChildren<QWidget*>()) {
        if (!IsEditBox(box)) continue;
        const QString effName = QStringLiteral("eff") + FieldName(box->objectName());
        auto* rect = screen_->findChild<FocusRect*>(effName);
        if (!rect) rect = new FocusRect(box);
        rect->Track(box);
        Watch(box);
    }
    return *this;
}

void ScreenKit::OnEnter(const QString& box, std::function<void()> action) {
    enterActions_.insert(box, std::move(action));
    if (QWidget* w = Find(box)) Watch(w);
}

void ScreenKit::OnKey(const QString& box, std::function<void()> action) {
    keyActions_.insert(box, std::move(action));
    if (QWidget* w = Find(box)) Watch(w);
}

void ScreenKit::OnLeave(const QString& box, std::function<void()> action) {
    leaveActions_.insert(box, std::move(action));
    if (QWidget* w = Find(box)) Watch(w);
}

bool ScreenKit::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const QString name = widget->objectName();
    switch (event->type()) {
        case QEvent::KeyPress:
            return HandleKey(widget, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            Entered(widget);
            break;
        case QEvent::FocusOut: {
            // A message box or a drop-down list taking the focus for a while
            // is not leaving the box.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                Left(widget);
            }
            break;
        }
        case QEvent::Enter:
            // Only buttons set a hint on entering; the background clears it
            // when the mouse moves over it (mouse tracking).
            if (hints_.contains(name)) SetHint(hints_.value(name));
            break;
        case QEvent::MouseMove:
            if (widget == screen_ || IsBackground(widget)) SetHint({});
            break;
        default:
            break;
    }
    return false;
}

bool ScreenKit::HandleKey(QWidget* box, QKeyEvent* event) {
    const QString name = box->objectName();
    if (auto action = keyActions_.value(name)) action();
    if (IsEnter(*event)) {
        if (auto action = enterActions_.value(name)) {
            action();
            return true;
        }
        if (enter_.contains(name)) {
            // Reached by the keyboard, a box selects its text, so typing
            // replaces a "0,00" instead of being appended to it.
            if (QWidget* next = Find(enter_.value(name))) next->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    if (!kinds_.contains(name)) return false;
    return !KeyPasses(kinds_.value(name), *event);
}

void ScreenKit::Entered(QWidget* box) {
    if (!IsEditBox(box)) return;
    // Focus moved while the window was inactive (a dialog open, the screen
    // hidden) reaches the new box without the old one being told: leave it
    // now, so only one box is ever highlighted.
    if (focused_ && focused_ != box) Left(focused_);
    focused_ = box;
    ShowFocusRect(box, true);
}

void ScreenKit::Left(QWidget* box) {
    if (!IsEditBox(box)) return;
    if (focused_ == box) focused_ = nullptr;
    ShowFocusRect(box, false);
    Normalise(box);
    if (auto action = leaveActions_.value(box->objectName())) action();
}

void ScreenKit::Settle(const QString& box) {
    if (QWidget* w = Find(box)) Normalise(w);
}

void ScreenKit::Normalise(QWidget* box) {
    const BoxKind kind = kinds_.value(box->objectName(), BoxKind::Plain);
    if (IsAmount(kind)) {
        SetTextOf(box, NormaliseAmountBox(TextOf(box), kind == BoxKind::LineAmount));
    } else if (kind == BoxKind::Date) {
        const QString text = TextOf(box);
        const QString full = QString::fromStdString(FullDateText(text.toStdString()));
        if (full != text) SetTextOf(box, full);
    }
}

void ScreenKit::Edited(QWidget* box, QLineEdit* edit) {
    const QString name = box->objectName();
    const BoxKind kind = kinds_.value(name, BoxKind::Plain);
    const int limit = limits_.value(name, 0);
    const QString before = before_.value(edit);
    const QString after = edit->text();

    // The change replaced the middle of `before` by after[prefix, end): the
    // cursor stands after what was put in, the rest of the text is kept.
    qsizetype suffix = after.size() - edit->cursorPosition();
    if (suffix < 0 || suffix > before.size() ||
        QStringView(before).right(suffix) != QStringView(after).right(suffix)) {
        suffix = 0;
        while (suffix < before.size() && suffix < after.size() &&
               before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix)) {
            ++suffix;
        }
    }
    qsizetype prefix = 0;
    const qsizetype common = qMin(before.size(), after.size()) - suffix;
    while (prefix < common && before.at(prefix) == after.at(prefix)) ++prefix;

    // What was put in passes the key filter as typed keys do, and only as
    // much of it as the limit leaves room for.
    QString added = PassingText(kind, after.mid(prefix, after.size() - suffix - prefix));
    if (limit > 0) added.truncate(qMax(qsizetype(0), limit - prefix - suffix));
    QString wanted = after.left(prefix) + added + after.right(suffix);
    qsizetype cursor = prefix + added.size();

    if (kind == BoxKind::Upper || kind == BoxKind::Trimmed || kind == BoxKind::Province) {
        // Trimming takes blanks and control characters; case changes touch
        // only a-z, as everywhere in the system.
        qsizetype leading = 0;
        qsizetype end = wanted.size();
        while (leading < end && wanted.at(leading).unicode() <= u' ') ++leading;
        while (end > leading && wanted.at(end - 1).unicode() <= u' ') --end;
        wanted = wanted.mid(leading, end - leading);
        if (kind != BoxKind::Trimmed) {
            for (QChar& c : wanted) {
                if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
            }
        }
        // Keep the cursor where the user is typing, less the blanks removed before it.
        cursor = qBound(qsizetype(0), cursor - leading, wanted.size());
    }
    if (wanted != after) {
        edit->setText(wanted);
        edit->setCursorPosition(static_cast<int>(cursor));
    }
    before_.insert(edit, edit->text());
}

void ScreenKit::SetHint(const QString& text) {
    if (!panInfo_) panInfo_ = screen_->findChild<QLabel*>(QStringLiteral("panInfo"));
    if (panInfo_ && panInfo_->text() != text) panInfo_->setText(text);
}

ScreenKit* AttachConventions(QWidget* screen, const ScreenTable& table) {
    ScreenKit* kit = ScreenKit::Of(screen);
    if (!kit) kit = new ScreenKit(screen);
    kit->Boxes(table.boxes).EnterChain(table.enter).Hints(table.hints).Highlight();
    return kit;
}

// ---------------------------------------------------------------------------

FocusRect::FocusRect(QWidget* box) : QWidget(box->parentWidget()) {
    setObjectName(QStringLiteral("eff") + FieldName(box->objectName()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    Track(box);
}

void FocusRect::Track(QWidget* box) {
    if (box_ == box) return;
    if (box_) box_->removeEventFilter(this);
    box_ = box;
    if (parentWidget() != box->parentWidget()) setParent(box->parentWidget());
    setGeometry(box->geometry());
    stackUnder(box);
    box->installEventFilter(this);
}

bool FocusRect::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        setGeometry(box_->geometry());
        stackUnder(box_);
    }
    return false;
}

void FocusRect::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(255, 255, 0));
    gradient.setColorAt(1, QColor(255, 255, 255));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect(), 2, 2);
}

void ShowFocusRect(QWidget* box, bool visible) {
    QWidget* parent = box->parentWidget();
    if (!parent) return;
    auto* rect = parent->findChild<FocusRect*>(QStringLiteral("eff") + FieldName(box->objectName()),
                                               Qt::FindDirectChildrenOnly);
    if (!rect) return;
    rect->setVisible(visible);
    // The box lets the gradient through while it is shown.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, visible ? QColor(Qt::transparent) : QColor(Qt::white));
    box->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit()) {
        combo->lineEdit()->setPalette(palette);
    }
}

// ---------------------------------------------------------------------------

const QStringList& ProvinceCodes() {
    static const QStringList codes =
        QStringLiteral(
            "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR "
            "CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME "
            "MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG "
            "RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
            .split(u' ');
    return codes;
}

ProvinceBox::ProvinceBox(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    addItems(ProvinceCodes());
    ClearSelection();
    setEditText({});
}

void ProvinceBox::SetText(const QString& text) {
    ClearSelection();
    setEditText(text);
}

void ProvinceBox::ClearSelection() {
    const QString text = currentText();
    setCurrentIndex(-1);
    if (currentText() != text) setEditText(text);
}

void ProvinceBox::wheelEvent(QWheelEvent* event) {
    // The open list scrolls by itself; over the closed box the wheel goes on
    // to the panel behind it.
    if (view() && view()->isVisible()) {
        QComboBox::wheelEvent(event);
    } else {
        event->ignore();
    }
}

void ProvinceBox::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        ClearSelection();
    }
    QComboBox::focusInEvent(event);
}

// ---------------------------------------------------------------------------

QString TextOf(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(control)) return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(control)) return rich->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return {};
}

void SetTextOf(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* province = qobject_cast<ProvinceBox*>(control)) {
        province->SetText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        rich->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

}  // namespace corvelo
