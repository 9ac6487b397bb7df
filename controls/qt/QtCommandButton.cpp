#include "controls/qt/QtCommandButton.h"

namespace controls {

namespace {

// The platform styles paint gradients over a button's palette; a style
// sheet is what shows the exact colour on every style.
QString faceStyleSheet(Rgb face)
{
    const QString colour = QStringLiteral("rgb(%1, %2, %3)").arg(face.red).arg(face.green).arg(face.blue);
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black;"
               " border: 2px outset %1; }"
               "QPushButton:focus { border: 2px outset %1; outline: 1px dotted black; }"
               "QPushButton:pressed { border: 2px inset %1; }"
               "QPushButton:disabled { color: rgb(128, 128, 128); }")
        .arg(colour);
}

} // namespace

QtCommandButton::QtCommandButton(const QString& caption, Rgb face, QWidget* parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
    setStyleSheet(faceStyleSheet(face));
    connect(this, &QPushButton::clicked, this, [this] {
        if (click_)
            click_();
    });
}

void QtCommandButton::SetEnabled(bool enabled)
{
    setEnabled(enabled);
}

bool QtCommandButton::Enabled() const
{
    return isEnabled();
}

void QtCommandButton::OnClick(ClickHandler handler)
{
    click_ = std::move(handler);
}

} // namespace controls
