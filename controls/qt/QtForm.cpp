#include "controls/qt/QtForm.h"

#include "controls/AccessibleName.h"
#include "controls/Layout.h"
#include "controls/qt/QtBoard.h"
#include "controls/qt/QtCommandButton.h"
#include "controls/qt/QtConvert.h"
#include "controls/qt/QtListBox.h"
#include "controls/qt/QtTextBox.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QScreen>

#include <map>


namespace controls {

namespace {

QString objectNameOf(const ControlDescription& control)
{
    const QString name = QString::fromStdString(control.name);
    return control.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

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
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
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

// The controls are made in tab order, which Qt's focus chain follows.
QtForm::QtForm(const FormDescription& description)
{
    applyWindowLook(description);
    std::map<ControlKey, QWidget*> made;
    for (const ControlDescription* control : inTabOrder(description)) {
        QWidget* widget = createControl(*control);
        widget->setObjectName(objectNameOf(*control));
        widget->setAccessibleName(QString::fromStdString(accessibleNameOf(description, *control)));
        widget->setGeometry(control->bounds.left, control->bounds.top, control->bounds.width,
                            control->bounds.height);
        if (control->backColor)
            paintBackground(widget, *control->backColor);
        widget->setVisible(control->visible);
        if (!firstInTabOrder_ && widget->focusPolicy() != Qt::NoFocus)
            firstInTabOrder_ = widget;
        made[{control->name, control->index}] = widget;
    }
    // Later controls of the description lie over earlier ones where they
    // touch, whatever their tab order. Qt tells screen readers which label
    // names a control through the label's buddy.
    for (const ControlDescription& control : description.controls) {
        made.at({control.name, control.index})->raise();
        if (const ControlDescription* label = labelAbove(description, control)) {
            auto* caption = static_cast<QLabel*>(made.at({label->name, label->index}));
            caption->setBuddy(made.at({control.name, control.index}));
        }
    }
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
    paintBackground(this, description.backColor);

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
    switch (control.kind) {
    case ControlKind::PictureBox:
        return boards_[key] = new QtBoard(control.bounds.width, control.bounds.height, this);
    case ControlKind::ListBox:
        return lists_[key] = new QtListBox(this);
    case ControlKind::CommandButton:
        return buttons_[key] = new QtCommandButton(toDisplayText(control.text),
                                                   control.backColor.value_or(Rgb{}), this);
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
    if (QWidget* first = firstFocusable())
        first->setFocus(Qt::OtherFocusReason);
}

QWidget* QtForm::firstFocusable() const
{
    QWidget* candidate = firstInTabOrder_;
    while (candidate
           && !(candidate->isVisible() && candidate->isEnabled()
                && (candidate->focusPolicy() & Qt::TabFocus))) {
        candidate = candidate->nextInFocusChain();
        if (candidate == firstInTabOrder_)
            return nullptr;
    }
    return candidate;
}

} // namespace controls
