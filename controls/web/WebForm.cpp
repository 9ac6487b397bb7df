#include "controls/web/WebForm.h"

#include "controls/AccessibleName.h"
#include "controls/KeyCode.h"
#include "controls/Layout.h"
#include "controls/web/WebDom.h"

#include <algorithm>

namespace controls {

using emscripten::val;

namespace {

// The look every window's controls share; each control's own colours and
// place are set on it.
const char* const StyleSheet = R"(
.window { position: absolute; overflow: hidden; color: black; --fit: 1; }
.window > * { position: absolute; box-sizing: border-box; margin: 0; font: inherit; color: inherit; }
.window :focus { outline: none; }
.window.keyboard-cues :focus { outline: 1px dotted black; outline-offset: -4px; }
.window .label { text-align: center; white-space: pre-wrap; overflow: hidden; }
.window .board { padding: var(--frame); touch-action: none; image-rendering: pixelated;
  background: linear-gradient(#808080 0 0) 0 0 / 100% var(--frame) no-repeat,
    linear-gradient(#808080 0 0) 0 0 / var(--frame) 100% no-repeat, white; }
.window.keyboard-cues .board:focus { outline: none; }
.window .list { border: calc(2px * var(--fit)) solid; border-color: #808080 #ffffff #ffffff #808080; background: white;
  overflow-x: hidden; overflow-y: auto; cursor: default; user-select: none; }
.window .list > * { padding: 0 calc(3px * var(--fit)); white-space: nowrap; }
.window .list > [aria-selected=true] { background: #308cc6; color: white; }
.window.keyboard-cues .list:focus { outline-offset: -3px; }
.window button { border: calc(2px * var(--fit)) outset; padding: 0; }
.window button:active { border-style: inset; }
.window button:disabled { color: rgb(128, 128, 128); }
.window textarea { border: calc(2px * var(--fit)) solid; border-color: #808080 #ffffff #ffffff #808080;
  background: white; resize: none; padding: calc(1px * var(--fit)) calc(4px * var(--fit)); overflow-x: hidden; overflow-y: scroll; white-space: pre-wrap; }
.window .announcer { width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); }
)";

std::string elementIdOf(const ControlDescription& control)
{
    return control.index < 0 ? control.name : control.name + "(" + std::to_string(control.index) + ")";
}

// Once for every page, however many windows it shows.
void installStyleSheet()
{
    if (!document().call<val>("getElementById", val("drelvik-controls")).isNull())
        return;
    val style = createElement("style", "drelvik-controls");
    style.set("textContent", val(StyleSheet));
    document()["head"].call<void>("appendChild", style);
}

std::string fontFamilies(const FontDescription& font)
{
    return "\"" + font.family + "\", \"" + font.fallbackFamily + "\", serif";
}

void setIcon(const std::string& name)
{
    val link = document().call<val>("querySelector", val("link[rel=icon]"));
    if (link.isNull()) {
        link = createElement("link");
        link.set("rel", val("icon"));
        document()["head"].call<void>("appendChild", link);
    }
    link.set("href", val(name + ".png"));
}

val createLabel(const ControlDescription& control)
{
    val label = createElement("div", elementIdOf(control));
    label["classList"].call<void>("add", val("label"));
    label.set("textContent", val(withoutCarriageReturns(control.text)));
    return label;
}

} // namespace

// The controls are made in tab order, which is also the order a screen
// reader reads them in; later controls of the description lie over earlier
// ones where they touch.
WebForm::WebForm(const FormDescription& description)
    : width_(description.clientWidth)
    , height_(description.clientHeight)
    , window_(createElement("div", description.name))
    , layout_(window_, width_, height_)
    , resolutionQuery_(val::null())
{
    installStyleSheet();
    applyWindowLook(description);
    for (const ControlDescription* control : inTabOrder(description)) {
        val element = createControl(*control);
        layout_.add(element, control->bounds);
        const auto stacking = control - description.controls.data();
        element["style"].set("zIndex", val(std::to_string(stacking)));
        if (control->backColor)
            element["style"].set("backgroundColor", val(cssColour(*control->backColor)));
        if (control->kind != ControlKind::Label)
            element.call<void>("setAttribute", val("aria-label"), val(accessibleNameOf(description, *control)));
        element.set("hidden", !control->visible);
        if (control->kind != ControlKind::Label && control->visible)
            tabOrder_.push_back(element);
        window_.call<void>("appendChild", element);
    }
    for (const auto& [key, board] : boards_)
        window_.call<void>("appendChild", board->announcer());
    for (const char* type : {"keydown", "pointerdown"})
        listen(window_, type, true);
    listen(val::global("window"), "resize");
}

WebForm::~WebForm()
{
    window_.call<void>("remove");
}

void WebForm::applyWindowLook(const FormDescription& description)
{
    window_["classList"].call<void>("add", val("window"));
    val style = window_["style"];
    style.set("backgroundColor", val(cssColour(description.backColor)));
    style.set("fontFamily", val(fontFamilies(description.font)));
    style.set("fontSize", val("calc(" + std::to_string(description.font.pointSize) + "pt * var(--fit))"));
    document().set("title", val(description.caption));
    if (!description.icon.empty())
        setIcon(description.icon);
}

val WebForm::createControl(const ControlDescription& control)
{
    const ControlKey key{control.name, control.index};
    const std::string id = elementIdOf(control);
    switch (control.kind) {
    case ControlKind::PictureBox: {
        const double ratio = val::global("devicePixelRatio").as<double>();
        auto& board = boards_[key] = std::make_unique<WebBoard>(id, control.bounds.width, control.bounds.height, ratio);
        return board->element();
    }
    case ControlKind::ListBox:
        return (lists_[key] = std::make_unique<WebListBox>(id))->element();
    case ControlKind::CommandButton:
        return (buttons_[key] = std::make_unique<WebCommandButton>(id, control.text, control.backColor.value_or(Rgb{})))
            ->element();
    case ControlKind::TextBox: {
        auto& box = textBoxes_[key] = std::make_unique<WebTextBox>(id);
        box->SetText(control.text);
        return box->element();
    }
    case ControlKind::Label:
        break;
    }
    return createLabel(control);
}

// The window goes into the page only now, in the place of the inert start
// window the page was built with, if it has one; until then nothing in it
// can take the focus.
void WebForm::Show()
{
    const val start = document().call<val>("getElementById", window_["id"]);
    if (start.isNull())
        document()["body"].call<void>("appendChild", window_);
    else
        start.call<void>("replaceWith", window_);
    fitToPage();
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                    [](const val& element) { return !element["disabled"].isTrue(); });
    if (first != tabOrder_.end())
        first->call<void>("focus");
}

// The window's own events come here first, in the capture phase: the keys
// that move the focus, and the presses that hide the focus cues again.
void WebForm::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown")
        keyPressed(event);
    else if (type == "pointerdown")
        showFocusCues(false);
    else if (type == "resize" || type == "change")
        fitToPage();
}

void WebForm::keyPressed(const val& event)
{
    const std::int16_t keyCode = keyCodeOf(event);
    if (controls::showsFocusCues(keyCode))
        showFocusCues(true);
    if (keyCode == key::Tab && !event["ctrlKey"].isTrue() && !event["altKey"].isTrue()) {
        event.call<void>("preventDefault");
        moveFocus(event["shiftKey"].isTrue());
    }
}

// Tab goes round the window's controls, as in a dialog, past those that are
// disabled.
void WebForm::moveFocus(bool backwards)
{
    const val focused = document()["activeElement"];
    const auto current = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                      [&](const val& element) { return element.strictlyEquals(focused); });
    const int count = int(tabOrder_.size());
    int at = current == tabOrder_.end() ? (backwards ? 0 : count - 1) : int(current - tabOrder_.begin());
    for (int step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        if (!tabOrder_[std::size_t(at)]["disabled"].isTrue()) {
            tabOrder_[std::size_t(at)].call<void>("focus");
            return;
        }
    }
}

void WebForm::showFocusCues(bool shown)
{
    if (shown == focusCues_)
        return;
    focusCues_ = shown;
    window_["classList"].call<void>("toggle", val("keyboard-cues"), shown);
    for (const auto& [key, board] : boards_)
        board->showFocusCues(shown);
}

// The board's image is drawn at the device pixels the window's factor gives it.
void WebForm::fitToPage()
{
    const double scale = layout_.fitToPage();
    for (const auto& [key, board] : boards_)
        board->followScale(scale);
    watchDevicePixelRatio();
}

// A window moved to a screen of another scale, or a page zoomed, is laid out
// again at the new ratio.
void WebForm::watchDevicePixelRatio()
{
    const double ratio = val::global("devicePixelRatio").as<double>();
    if (!resolutionQuery_.isNull()) {
        if (resolutionQuery_["matches"].isTrue())
            return;
        stopListening(resolutionQuery_, "change");
    }
    resolutionQuery_ = val::global("window").call<val>("matchMedia",
                                                       val("(resolution: " + std::to_string(ratio) + "dppx)"));
    listen(resolutionQuery_, "change");
}

} // namespace controls
