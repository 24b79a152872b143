// The behaviour every screen shares, attached to a screen from tables: the
// kind of each edit box (key filter, normalisation, upper-casing), the
// Enter-key chain, the focus highlight behind the focused box and the hints
// of the status line panInfo.
//
// A screen builds its controls with the names the application uses
// (txtCliente, cmdSalva, panInfo ...), then:
//
//   static constexpr BoxRule kBoxes[] = {{"txtCliente", BoxKind::Plain, 50},
//                                        {"txtTassa", BoxKind::Amount, 10}};
//   static constexpr EnterStep kEnter[] = {{"txtCliente", "txtTassa"},
//                                          {"txtTassa", "cmdCalcola"}};
//   static constexpr HintRule kHints[] = {{"cmdSalva", "Salva ..."}};
//   auto* kit = AttachConventions(this, {kBoxes, kEnter, kHints});
//   kit->OnKey("txtTassa", [this] { totale->clear(); });
//
// Every txt box of the screen gets its focus rectangle eff<Name> (created
// when the screen has none of that name).
#pragma once

#include <QComboBox>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>

class QCoreApplication;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QWheelEvent;

namespace corvelo {

enum class BoxKind {
    Plain,       // Enter follows the chain; other keys as usual
    Amount,      // digits and comma only; normalised on leaving, empty -> "0,00"
    LineAmount,  // as Amount, but an empty box stays empty (receipt lines)
    Digits,      // digits only
    Upper,       // trimmed and upper-cased on every typed change (codice fiscale)
    Trimmed,     // trimmed on every typed change (e-mail address)
    Province,    // province box (a ProvinceBox): upper-cased, at most 2 characters
    Date,        // plain keys; a text that reads as a date is written dd/mm/yyyy on leaving
};

// The maximum length limits what the user puts in (typing, pasting,
// dropping), never a text the program sets: a loaded record or a value read
// from a file is shown whole.
struct BoxRule {
    const char* name;
    BoxKind kind;
    int maxLength = 0;  // 0: no limit (province boxes always 2)
};

// Enter in box `from` moves the focus to control `to` (focus only: a button
// reached this way is not pressed; a second Enter presses it, as on every
// focused button).
struct EnterStep {
    const char* from;
    const char* to;
};

// Text shown in panInfo while the mouse is over control.
struct HintRule {
    const char* control;
    const char* hint;
};

struct ScreenTable {
    std::span<const BoxRule> boxes;
    std::span<const EnterStep> enter;
    std::span<const HintRule> hints;
};

// Key filter of the box kinds: true when the key reaches the box. Enter is
// not decided here (the chain handles it).
bool KeyPasses(BoxKind kind, const QKeyEvent& event);

// The text an amount box shows after it is left.
QString NormaliseAmountBox(const QString& text, bool emptyStaysEmpty);

// The characters of text that the key filter of kind lets through, in
// order: what a pasted or dropped text leaves in the box ("1.234,5" in an
// amount box gives "1234,5", as typing it would).
QString PassingText(BoxKind kind, const QString& text);

// Makes Enter on a focused push button or picture button press it, in every
// window of app (the Enter chains end on buttons). Check boxes and radio
// buttons are left alone. Called once by the application's set-up.
void PressButtonsOnEnter(QCoreApplication& app);

// The conventions of one screen. Owned by the screen (a child object).
class ScreenKit : public QObject {
    Q_OBJECT
  public:
    explicit ScreenKit(QWidget* screen);

    // Applies the kinds and typing limits of the listed boxes.
    ScreenKit& Boxes(std::span<const BoxRule> rules);
    // Sets the Enter-key chain; replaces earlier steps from the same boxes.
    ScreenKit& EnterChain(std::span<const EnterStep> steps);
    // Hints of the status line panInfo; the screen background and its panels
    // and shapes (pan*, grp*, shp*, bkg*) clear it.
    ScreenKit& Hints(std::span<const HintRule> hints);
    // Focus rectangles for every txt box of the screen (run again after
    // adding boxes later).
    ScreenKit& Highlight();

    // Enter in box runs action in place of the chain step.
    void OnEnter(const QString& box, std::function<void()> action);
    // action runs on every key pressed in box, also keys the filter discards.
    void OnKey(const QString& box, std::function<void()> action);
    // action runs after box was left (after the normalisation).
    void OnLeave(const QString& box, std::function<void()> action);

    // Applies box's leave normalisation now (a date written in full, an
    // amount completed), for a handler that reads a box that may still have
    // the focus, as saving does.
    void Settle(const QString& box);

    BoxKind KindOf(const QString& box) const { return kinds_.value(box, BoxKind::Plain); }
    // The most characters the user may put into box (0: no limit).
    int TypingLimit(const QString& box) const { return limits_.value(box, 0); }

    // The kit attached to screen, or null.
    static ScreenKit* Of(QWidget* screen);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Watch(QWidget* box);
    bool HandleKey(QWidget* box, QKeyEvent* event);
    void Entered(QWidget* box);
    void Left(QWidget* box);
    void Normalise(QWidget* box);
    void Edited(QWidget* box, QLineEdit* edit);
    void SetHint(const QString& text);
    QWidget* Find(const QString& name) const;

    QWidget* screen_;
    QHash<QString, BoxKind> kinds_;
    QHash<QString, int> limits_;
    // The text each filtered box showed before the user's latest change.
    QHash<const QLineEdit*, QString> before_;
    QHash<QString, QString> enter_;
    QHash<QString, QString> hints_;
    QHash<QString, std::function<void()>> enterActions_;
    QHash<QString, std::function<void()>> keyActions_;
    QHash<QString, std::function<void()>> leaveActions_;
    QPointer<QLabel> panInfo_;
    QPointer<QWidget> focused_;  // the box showing the focus highlight
};

// Attaches the conventions of table to screen: boxes, Enter chain, hints and
// the focus highlight.
ScreenKit* AttachConventions(QWidget* screen, const ScreenTable& table);

// The rectangle behind an edit box that shows, while the box has the focus,
// a vertical gradient from yellow to white. It follows the box's geometry.
class FocusRect : public QWidget {
    Q_OBJECT
  public:
    // Creates eff<Name> for box txt<Name>, as a sibling stacked under it.
    explicit FocusRect(QWidget* box);
    void Track(QWidget* box);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> box_;
};

// Shows or hides the focus rectangle of box and lets the gradient show
// through the box while it is visible.
void ShowFocusRect(QWidget* box, bool visible);

// The Italian province codes offered by province boxes, in their order.
const QStringList& ProvinceCodes();

// Editable drop-down of the province codes, never checked against the list,
// no automatic completion (the screen's Province rule limits typing to 2
// characters and upper-cases them). Taking the focus clears the list
// selection but keeps the text; the mouse wheel changes nothing unless the
// list is open, so scrolling over the box cannot change a code unseen.
class ProvinceBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ProvinceBox(const QString& name, QWidget* parent = nullptr);
    QString Text() const { return currentText(); }
    void SetText(const QString& text);
    // Clears the list selection, keeping the text.
    void ClearSelection();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// Reads and writes the text of a box whatever its kind (QLineEdit,
// QComboBox, QPlainTextEdit, QTextEdit, QLabel, QAbstractButton).
QString TextOf(const QWidget* control);
void SetTextOf(QWidget* control, const QString& text);

}  // namespace corvelo
