#include "controls/web/WebForm.h"

#include "controls/form/AccessibleName.h"
#include "controls/form/Layout.h"
#include "controls/form/LineEnds.h"
#include "controls/web/WebDom.h"
#include "controls/web/WebStartInput.h"
#include "controls/web/WebStyleSheet.h"

#include <algorithm>

namespace controls {

using emscripten::val;

namespace {

// Once for every page, however many windows it shows.
void installStyleSheet()
{
    if (!document().call<val>("getElementById", val(WebStartWindow::StyleSheetId)).isNull())
        return;
    val style = createElement("style", WebStartWindow::StyleSheetId);
    style.set("textContent", val(WebStyleSheet));
    document()["head"].call<void>("appendChild", style);
}

std::string cssLength(int pixels)
{
    return std::to_string(pixels) + "px";
}

// The design's look, as the custom properties the style sheet reads.
void setLook(val style, const FormLook& look)
{
    const EdgeLook& edge = look.boardEdge;
    const BoardEdge bands(edge);
    const std::pair<const char*, std::string> properties[] = {
        {"--text-colour", cssColour(look.textColour)},
        {"--disabled-text-colour", cssColour(look.disabledTextColour)},
        {"--edge-outer", cssLength(bands.outerWidth(1))},
        {"--edge-inner", cssLength(bands.innerWidth(1))},
        {"--edge-outer-shadow", cssColour(edge.outerShadow)},
        {"--edge-outer-light", cssColour(edge.outerLight)},
        {"--edge-inner-shadow", cssColour(edge.innerShadow)},
        {"--edge-inner-light", cssColour(edge.innerLight)},
        {"--button-edge", cssLength(look.buttonEdgeWidth)},
        {"--focus-colour", cssColour(look.focusOutline.colour)},
        {"--focus-inset", cssLength(look.focusOutline.inset)},
        {"--selection-colour", cssColour(look.listSelection.background)},
        {"--selection-text-colour", cssColour(look.listSelection.text)},
        {"--field-colour", cssColour(look.boardColours.paper)},
    };
    for (const auto& [name, value] : properties)
        style.call<void>("setProperty", val(name), val(value));
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
    val label = createElement("div", FormBehaviour::controlId(control));
    label["classList"].call<void>("add", val("label"));
    label.set("textContent", val(withBareLineFeeds(control.text)));
    label["style"].set("textAlign", val(control.alignment == TextAlignment::Centre ? "center" : "left"));
    return label;
}

} // namespace

// The controls are made in the behaviour's order, which is also the order a
// screen reader reads them in, and stacked as it says. Where the page shows
// the start window, the window and its controls are the start window's
// own, already as they were made, but for the boards' canvases.
WebForm::WebForm(const FormDescription& description)
    : FormControls(description)
    , width_(description.clientWidth)
    , height_(description.clientHeight)
    , start_(description.name)
    , window_(start_.shown() ? start_.window() : createElement("div", description.name))
    , layout_(window_, width_, height_)
    , resolutionQuery_(val::null())
    , contrast_([this] { showInSystemColours(contrast_.systemColours()); })
{
    installStyleSheet();
    if (!start_.shown())
        applyWindowLook(description);
    for (const ControlDescription* control : behaviour_.creationOrder()) {
        const val shown = start_.element(FormBehaviour::controlId(*control));
        val element = createControl(*control, shown);
        layout_.add(element, control->bounds, shown.isNull() ? WebLayout::LaidOut::No : WebLayout::LaidOut::ByPage);
        if (shown.isNull())
            styleControl(element, *control);
        if (!start_.shown())
            window_.call<void>("appendChild", element);
        elements_.emplace(ControlKey{control->name, control->index}, element);
    }
    if (!start_.shown()) {
        for (const auto& [key, board] : boards_)
            window_.call<void>("appendChild", board->announcer());
    }
    listen(window_, "keydown", true);
    listen(val::global("window"), "resize");
    behaviour_.focusCues().OnChange([this] { showFocusCues(); });
    // As designed, the window needs no second look.
    if (const std::optional<SystemColours> colours = contrast_.systemColours())
        showInSystemColours(colours);
}

WebForm::~WebForm()
{
    window_.call<void>("remove");
}

void WebForm::applyWindowLook(const FormDescription& description)
{
    window_["classList"].call<void>("add", val("window"));
    WebStartWindow::stamp(window_);
    val style = window_["style"];
    style.set("backgroundColor", val(cssColour(description.backColor)));
    style.set("fontFamily", val(fontFamilies(description.font)));
    style.set("fontSize", val("calc(" + std::to_string(description.font.pointSize) + "pt * var(--fit))"));
    setLook(style, description.look);
    document().set("title", val(description.caption));
    if (!description.icon.empty())
        setIcon(description.icon);
}

// In the system's colours a button's edge is shaded from its caption's
// colour, since a contrast theme's button face may be the window's own.
void WebForm::recolour(const FormDescription& shown)
{
    val style = window_["style"];
    style.set("backgroundColor", val(cssColour(shown.backColor)));
    setLook(style, shown.look);
    const bool designed = shown.look.boardColours == behaviour_.description().look.boardColours;
    for (const ControlDescription& control : shown.controls) {
        if (!control.backColor)
            continue;
        const ControlKey key{control.name, control.index};
        if (control.kind == ControlKind::CommandButton)
            buttons_.at(key)->setColours(*control.backColor, designed ? *control.backColor : shown.look.textColour);
        else
            elements_.at(key)["style"].set("backgroundColor", val(cssColour(*control.backColor)));
    }
}

val WebForm::createControl(const ControlDescription& control, const val& shown)
{
    const ControlKey key{control.name, control.index};
    const std::string id = FormBehaviour::controlId(control);
    switch (control.kind) {
    case ControlKind::PictureBox: {
        // Drawn from the start at the scale the window will show it at,
        // so that the start draws its image once.
        const FormLook& look = behaviour_.description().look;
        auto& board = boards_[key] = std::make_unique<WebBoard>(id, control, look, layout_.pageScale());
        return board->element();
    }
    case ControlKind::ListBox:
        return (lists_[key] = std::make_unique<WebListBox>(id, shown))->element();
    case ControlKind::CommandButton:
        return (buttons_[key] = std::make_unique<WebCommandButton>(id, control.text, control.backColor.value_or(Rgb{}),
                                                                     shown))
            ->element();
    case ControlKind::TextBox:
        return (textBoxes_[key] = std::make_unique<WebTextBox>(id, shown, control.text))->element();
    case ControlKind::Label:
        break;
    }
    return shown.isNull() ? createLabel(control) : shown;
}

// What the window gives each control it makes: its stacking, colour, name
// for screen readers and whether it shows.
void WebForm::styleControl(val element, const ControlDescription& control) const
{
    val style = element["style"];
    style.set("zIndex", val(std::to_string(behaviour_.stackingLevel(control))));
    if (control.backColor)
        style.set("backgroundColor", val(cssColour(*control.backColor)));
    if (control.kind != ControlKind::Label)
        element.call<void>("setAttribute", val("aria-label"), val(accessibleNameOf(behaviour_.description(), control)));
    element.set("hidden", !control.visible);
}

// The window goes into the page only now, or, where it is the start window
// the page was built with, stops being inert, its boards in the place of
// their pictures; until then nothing in it can take the focus. It is fitted
// to the page before, so that the page lays it out once; a start window the
// page has fitted to the same page as the program would keeps its places.
// What was pressed on the start window is pressed now.
void WebForm::Show()
{
    const bool fitted = start_.fittedTo(layout_.measuredPage());
    followFit(layout_.fitToMeasuredPage(fitted ? WebLayout::LaidOut::ByPage : WebLayout::LaidOut::No));
    if (start_.shown()) {
        for (const auto& [key, board] : boards_)
            start_.putBoard(board->element(), board->announcer());
        start_.handOver();
    } else {
        document()["body"].call<void>("appendChild", window_);
    }
    focus(behaviour_.firstFocus(canTakeFocus()));
    WebStartInput(window_).replay();
}

// The window's keys come here first, in the capture phase.
void WebForm::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown")
        keyPressed(event);
    else if (type == "resize" || type == "change")
        followFit(layout_.fitToPage());
}

// Tab goes round the window's controls, as in a dialog, where the behaviour
// says, and never out to the page.
void WebForm::keyPressed(const val& event)
{
    const std::int16_t keyCode = keyCodeOf(event);
    const std::int16_t shift = shiftStateOf(event);
    behaviour_.focusCues().keyPressed(keyCode);
    if (!FormBehaviour::movesFocus(keyCode, shift))
        return;
    event.call<void>("preventDefault");
    const val focused = document()["activeElement"];
    std::optional<ControlKey> current;
    for (const auto& [key, element] : elements_) {
        if (element.strictlyEquals(focused))
            current = key;
    }
    focus(behaviour_.nextFocus(current, (shift & mouse::ShiftMask) != 0, canTakeFocus()));
}

void WebForm::focus(const std::optional<ControlKey>& key)
{
    if (key)
        elements_.at(*key).call<void>("focus");
}

void WebForm::showFocusCues()
{
    window_["classList"].call<void>("toggle", val("keyboard-cues"), behaviour_.focusCues().shown());
    showFocusCuesOnBoards();
}

// The board's image is drawn at the device pixels the window's factor gives it.
void WebForm::followFit(double scale)
{
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
