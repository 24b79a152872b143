// Small controls shared by every screen: pictures that act as buttons
// (cmd/btn/img/imp names), text links with their press colours, and the
// fixed dialog look.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <functional>
#include <span>

class QDialog;
class QHBoxLayout;
class QLineEdit;

namespace corvelo {

// A clickable picture, optionally with a caption below it. The picture is a
// resource path such as ":/pictures/save.svg"; it is drawn at size, lighter
// while the mouse is over it and shifted while pressed. Focusable only by
// code (an Enter chain may end on it), not by clicking.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(const QString& name, const QString& picture, QSize size,
                  const QString& caption = {}, QWidget* parent = nullptr);
    void SetPicture(const QString& picture);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString picture_;
    QSize size_;
    bool hover_ = false;
};

// A text link: underlined, turns orange (#FFA500) while the mouse button is
// down on it and dark blue (#00008B) once released; emits clicked on
// release. Pictures beside it can be tied to it (they press the link too).
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent = nullptr);
    // Makes a press on partner colour this link and a release click it.
    void Tie(QWidget* partner);
    // The colour the link text has now.
    QColor Colour() const { return colour_; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetColour(const QColor& colour);
    QColor colour_;
};

inline constexpr const char* kLinkPressed = "#FFA500";
inline constexpr const char* kLinkReleased = "#00008B";

// Runs action when the left mouse button is released over widget (labels
// and pictures that act as buttons).
void OnClick(QWidget* widget, std::function<void()> action);

// An edit box with its object name (kinds, lengths and the Enter chain
// come from the screen's tables through AttachConventions).
QLineEdit* MakeBox(const QString& name, QWidget* parent);

// One picture button of a command bar: control name, picture resource and
// the caption under it (may be empty).
struct PictureEntry {
    const char* name;
    const char* picture;
    const char* caption;
};
// Builds the picture buttons of entries, left to right, into a new row.
QHBoxLayout* MakePictureRow(std::span<const PictureEntry> entries, QWidget* parent,
                            QSize size = QSize(40, 40));

// The centred bottom row of a menu screen: 40 x 40 pictures with their
// captions, evenly spaced.
QHBoxLayout* MakeToolRow(std::span<const PictureEntry> entries, QWidget* parent);

// A label with its object name and text, in one call.
QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
// A hidden label (lblMemory, lblPosizione, lblFile ...).
QLabel* MakeHiddenLabel(const QString& name, QWidget* parent);

// Gives a modal dialog its fixed client size and centres it over its parent.
void MakeFixedDialog(QDialog* dialog, QSize clientSize);

// The colours and fonts the screens share.
namespace look {
inline constexpr const char* kHeaderColour = "#1F4E8C";  // title bands, headings
inline constexpr const char* kPanelColour = "#EEF2F8";   // the background of every window
inline constexpr const char* kStatusColour = "#DDE5F0";  // status line background
QFont Base();                                            // Verdana 9
QFont Heading();                                         // Verdana 12 bold
QFont Fixed();                                           // Courier New 12 (list lines)
}  // namespace look

// A status line panInfo for the bottom of a screen, with its idle text.
QLabel* MakeStatusLine(const QString& idleText, QWidget* parent);

// The blue title band panTitolo at the top of a window, white text on the
// header colour; the caller lays out its contents.
QWidget* MakeHeaderBand(QWidget* parent);

// The title banner of the list and export windows: a blue gradient band
// panBanner with an optional picture imgBanner and the white title
// titBanner. Its layout is a QHBoxLayout ending in a stretch, so a caller
// may add buttons at the right end.
QWidget* MakeBanner(const QString& picture, const QString& title, QWidget* parent);

}  // namespace corvelo
