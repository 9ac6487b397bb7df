#pragma once

#include "controls/form/CommandButtonBase.h"
#include "controls/form/FocusCues.h"
#include "controls/FormDescription.h"

#include <QHash>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace controls {

// A push button whose face shows its own background colour, its caption and
// focus outline as the window's look gives them, until it is given another.
//
// A style sheet draws the face, which takes long; and a click paints the
// button twice before its handler runs. So each state's face is drawn once
// and shown again from then on.
class QtCommandButton : public QPushButton, public CommandButtonBase
{
    Q_OBJECT

public:
    QtCommandButton(const ControlDescription& design, const FocusCues& focusCues, QWidget* parent = nullptr);

    // The edge is shaded from its colour, which is the face's as designed.
    void setLook(Rgb face, Rgb edge, const FormLook& look);

    void SetEnabled(bool enabled) override;
    bool shownEnabled() const override;

protected:
    void takeFocus() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QPixmap& face();
    QPixmap drawFace(const QStyleOptionButton& option);
    void drawFocusOutline(QPainter& painter) const;

    // The face the style sheet draws, once for each state the button shows.
    QHash<QStyle::State::Int, QPixmap> faces_;
    QString facesCaption_;
    FocusOutlineLook focusOutline_;
    const FocusCues& focusCues_;
};

} // namespace controls
