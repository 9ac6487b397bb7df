#include "controls/qt/QtForm.h"

#include "controls/form/AccessibleName.h"
#include "controls/form/Layout.h"
#include "controls/qt/QtBoard.h"
#include "controls/qt/QtCommandButton.h"
#include "controls/qt/QtConvert.h"
#include "controls/qt/QtHighContrast.h"
#include "controls/qt/QtListBox.h"
#include "controls/qt/QtTextBox.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace controls {

namespace {

void paintBackground(QWidget* widget, Rgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* createLabel(const ControlDescription& control, QWidget* parent)
{
    auto* label = new QLabel(toDisplayText(control.text), parent);
    const Qt::Alignment across = control.alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void paintText(QWidget* widget, Rgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    widget->setPalette(palette);
}

// A list shows its selected row in the palette's colours; in the system's
// colours, those the look gives it, and otherwise the palette's own.
void paintSelection(QWidget* list, const std::optional<SelectionLook>& selection)
{
    QPalette palette;
    if (selection) {
        palette.setColor(QPalette::Highlight, toQColor(selection->background));
        palette.setColor(QPalette::HighlightedText, toQColor(selection->text));
    }
    list->setPalette(palette);
}

// The icon is a PNG of our own. Told so, Qt reads it at once; left to find
// out, it would first load every image format plugin to ask each of them.
QIcon iconNamed(const std::string& name)
{
    QImageReader reader(QStringLiteral(":/icons/%1.png").arg(QString::fromStdString(name)), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace

// Qt's focus chain follows the order the controls are made in; Tab goes
// where the behaviour says, whatever the chain.
QtForm::QtForm(const FormDescription& description)
    : FormControls(description)
{
    applyWindowLook(description);
    for (const ControlDescription* control : behaviour_.creationOrder()) {
        QWidget* widget = createControl(*control);
        widget->setObjectName(QString::fromStdString(FormBehaviour::controlId(*control)));
        widget->setAccessibleName(QString::fromStdString(accessibleNameOf(description, *control)));
        widget->setGeometry(control->bounds.left, control->bounds.top, control->bounds.width,
                            control->bounds.height);
        widget->setVisible(control->visible);
        widget->installEventFilter(this);
        widgets_[{control->name, control->index}] = widget;
    }
    // Qt tells screen readers which label names a control through the
    // label's buddy.
    for (const ControlDescription* control : behaviour_.stackingOrder()) {
        widgets_.at({control->name, control->index})->raise();
        if (const ControlDescription* label = labelAbove(description, *control)) {
            auto* caption = static_cast<QLabel*>(widgets_.at({label->name, label->index}));
            caption->setBuddy(widgets_.at({control->name, control->index}));
        }
    }
    behaviour_.focusCues().OnChange([this] { showFocusCues(); });
    followSystemColours();
}

void QtForm::applyWindowLook(const FormDescription& description)
{
    setObjectName(QString::fromStdString(description.name));
    setWindowTitle(QString::fromStdString(description.caption));
    // A fixed single border: close button and system menu, no minimise or
    // maximise button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(description.clientWidth, description.clientHeight);

    QFont font;
    font.setFamilies({QString::fromStdString(description.font.family),
                      QString::fromStdString(description.font.fallbackFamily)});
    font.setPointSize(description.font.pointSize);
    setFont(font);

    if (!description.icon.empty())
        setWindowIcon(iconNamed(description.icon));
}

QWidget* QtForm::createControl(const ControlDescription& control)
{
    const ControlKey key{control.name, control.index};
    const FormLook& look = behaviour_.description().look;
    switch (control.kind) {
    case ControlKind::PictureBox:
        return boards_[key] = new QtBoard(control, look, this);
    case ControlKind::ListBox:
        return lists_[key] = new QtListBox(behaviour_.focusCues(), this);
    case ControlKind::CommandButton:
        return buttons_[key] = new QtCommandButton(control, behaviour_.focusCues(), this);
    case ControlKind::TextBox: {
        auto* box = new QtTextBox(this);
        box->SetText(control.text);
        return textBoxes_[key] = box;
    }
    case ControlKind::Label:
        break;
    }
    return createLabel(control, this);
}

void QtForm::Show()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QRect frame = frameGeometry();
        const PixelRect centred = centredIn({area.left(), area.top(), area.width(), area.height()},
                                            frame.width(), frame.height());
        move(centred.left, centred.top);
    }
    show();
    focus(behaviour_.firstFocus(canTakeFocus()), Qt::OtherFocusReason);
}

// The platform's theme, the style or the session gave the application
// another palette: it may be a high-contrast one, or no longer be one.
bool QtForm::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        followSystemColours();
    return handled;
}

// Every key pressed in the window, before the control it goes to.
bool QtForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        behaviour_.focusCues().keyPressed(toKeyCode(static_cast<QKeyEvent*>(event)->key()));
    return QWidget::eventFilter(watched, event);
}

bool QtForm::focusNextPrevChild(bool next)
{
    std::optional<ControlKey> current;
    for (const auto& [key, widget] : widgets_) {
        if (widget == focusWidget())
            current = key;
    }
    focus(behaviour_.nextFocus(current, !next, canTakeFocus()), next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void QtForm::focus(const std::optional<ControlKey>& key, Qt::FocusReason reason)
{
    if (key)
        widgets_.at(*key)->setFocus(reason);
}

// Qt tells its styles that the keyboard is in use through the window.
void QtForm::showFocusCues()
{
    setAttribute(Qt::WA_KeyboardFocusChange, behaviour_.focusCues().shown());
    showFocusCuesOnBoards();
    for (const auto& [key, widget] : widgets_)
        widget->update();
}

void QtForm::followSystemColours()
{
    const std::optional<SystemColours> system = highContrastColours();
    inSystemColours_ = system.has_value();
    showInSystemColours(system);
}

void QtForm::recolour(const FormDescription& shown)
{
    paintBackground(this, shown.backColor);
    for (const ControlDescription& control : shown.controls)
        recolourControl(control, shown.look);
    for (const auto& [key, widget] : widgets_)
        widget->update();
}

// The text box takes the palette's colours itself.
void QtForm::recolourControl(const ControlDescription& control, const FormLook& look)
{
    const ControlKey key{control.name, control.index};
    QWidget* widget = widgets_.at(key);
    switch (control.kind) {
    case ControlKind::Label: paintText(widget, look.textColour); break;
    case ControlKind::CommandButton: {
        // A contrast theme's button face is often the window's colour: an
        // edge in the text's colour shows where the button is.
        const Rgb face = control.backColor.value_or(Rgb{});
        buttons_.at(key)->setLook(face, inSystemColours_ ? look.textColour : face, look);
        break;
    }
    case ControlKind::ListBox:
        paintSelection(widget, inSystemColours_ ? std::optional(look.listSelection) : std::nullopt);
        break;
    case ControlKind::PictureBox:
    case ControlKind::TextBox: break;
    }
    if (control.backColor)
        paintBackground(widget, *control.backColor);
}

} // namespace controls
