#include "app/Drelvik.h"

#include "app/CommandDispatch.h"
#include "app/StartUp.h"
#include "board/PointEntry.h"
#include "board/PointSelection.h"
#include "controls/FormFactory.h"
#include "window/DrelvikDesign.h"

Drelvik::Drelvik()
    : form_(controls::createForm(drelvikDesign()))
    , window_(*form_)
{
    wireEvents();
    Form_Load(window_);
}

Drelvik::~Drelvik() = default;

void Drelvik::show()
{
    form_->Show();
}

// The four events the window handles; every other event keeps the toolkit's
// own behaviour.
void Drelvik::wireEvents()
{
    window_.Picture1().OnMouseDown([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture1_MouseDown(window_, button, shift, x, y);
    });
    for (std::int16_t index = 0; index < lists::Count; ++index)
        window_.List1(index).OnClick([this, index] { List1_Click(window_, index); });
    for (std::int16_t index = 0; index < buttons::Count; ++index)
        window_.Command1(index).OnClick([this, index] { Command1_Click(window_, index); });
}
