#include "app/Drelvik.h"

#include "app/CommandDispatch.h"
#include "app/StartUp.h"
#include "board/ContactEntry.h"
#include "board/KeyboardEntry.h"
#include "board/PointEntry.h"
#include "board/PointSelection.h"
#include "window/DrelvikDesign.h"

Drelvik::Drelvik(controls::Toolkit& toolkit)
    : form_(toolkit.createForm(drelvikDesign()))
    , window_(*form_, toolkit)
{
    wireEvents();
    Form_Load(window_);
    PlaceKeyboardCursor(window_);
    DescribeBoard(window_);
}

Drelvik::~Drelvik() = default;

void Drelvik::show()
{
    form_->Show();
}

// The events the window handles; every other event keeps the toolkit's own
// behaviour. After each, the board tells a screen reader what changed.
void Drelvik::wireEvents()
{
    window_.Picture1().OnMouseDown([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture1_MouseDown(window_, button, shift, x, y);
        DescribeBoard(window_);
    });
    window_.Picture1().OnContact([this](controls::Contact contact, float x, float y) {
        Picture1_Contact(window_, contact, x, y);
        DescribeBoard(window_);
    });
    window_.Picture1().OnKeyDown([this](std::int16_t keyCode, std::int16_t shift) {
        Picture1_KeyDown(window_, keyCode, shift);
        DescribeBoard(window_);
    });
    for (std::int16_t index = 0; index < lists::Count; ++index)
        window_.List1(index).OnClick([this, index] { List1_Click(window_, index); });
    for (std::int16_t index = 0; index < buttons::Count; ++index) {
        window_.Command1(index).OnClick([this, index] {
            Command1_Click(window_, index);
            DescribeBoard(window_);
        });
    }
}
