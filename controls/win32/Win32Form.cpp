#include "controls/win32/Win32Form.h"

#include "controls/form/AccessibleName.h"
#include "controls/raster/DeviceScale.h"
#include "controls/form/Layout.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"
#include "controls/win32/DpiFunctions.h"
#include "controls/win32/FormFont.h"
#include "controls/win32/HighContrastMode.h"
#include "controls/win32/MessageLoop.h"
#include "controls/win32/WideText.h"
#include "controls/win32/WindowProcedure.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

// A fixed single border with caption, system menu and close box; no minimise
// or maximise box, no resizing.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Control ids start above IDOK and IDCANCEL.
constexpr int FirstControlId = 100;

double scaleAt(UINT dpi)
{
    return double(dpi) / DpiFunctions::DesignDpi;
}

// Windows shows focus cues from the start where the user asked always to see them.
bool focusCuesAlwaysShown()
{
    BOOL shown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &shown, 0);
    return shown;
}

// The control under a key in one of the form's maps, or null.
template <typename Control>
Control* found(const std::map<ControlKey, std::unique_ptr<Control>>& controls, const ControlKey* key)
{
    const auto at = key ? controls.find(*key) : controls.end();
    return at == controls.end() ? nullptr : at->second.get();
}

const ControlDescription& describedAs(const FormDescription& form, const ControlKey& key)
{
    return *std::find_if(form.controls.begin(), form.controls.end(), [&key](const ControlDescription& control) {
        return ControlKey{control.name, control.index} == key;
    });
}

} // namespace

Win32Form::Win32Form(const FormDescription& description)
    : FormControls(description, focusCuesAlwaysShown())
    , clientWidth_(description.clientWidth)
    , clientHeight_(description.clientHeight)
    , fontFamily_(installedFamily(description.font))
    , pointSize_(description.font.pointSize)
    , icon_(toWide(description.icon))
{
    createWindow(description);
    // A window's children lie over each other in the order they are made,
    // so they are made in the stacking order; Tab is the behaviour's, not
    // the children's order. Each control's hidden name label is made right
    // before it, where the accessibility proxy looks for it.
    int id = FirstControlId;
    for (const ControlDescription* control : behaviour_.stackingOrder())
        createControl(description, *control, id++);
    layOut(DpiFunctions::get().dpiOf(window_));
    showIcon();
    resizeInPlace();
    // The window keeps whether it shows focus cues, on Windows and on Wine,
    // which keeps no such state, and tells its controls.
    showFocusCues();
    behaviour_.focusCues().OnChange([this] { showFocusCues(); });
    showSystemColours();
}

Win32Form::~Win32Form()
{
    if (window_)
        DestroyWindow(window_);
}

// The window is sized once it is known which screen, and so which scale, it is on.
void Win32Form::createWindow(const FormDescription& description)
{
    window_ = CreateWindowExW(0, ownedWindowClass<Win32Form>(L"DrelvikForm"), toWide(description.caption).c_str(),
                              WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
}

void Win32Form::createControl(const FormDescription& description, const ControlDescription& control, int id)
{
    const ControlKey key{control.name, control.index};
    const std::string name = accessibleNameOf(description, control);
    const FormLook& look = description.look;
    Child child{key, nullptr, control.bounds, nullptr};
    switch (control.kind) {
    case ControlKind::PictureBox:
        child.handle = (boards_[key] = std::make_unique<Win32Board>(control, look, name, window_, id))->handle();
        child.designBounds.reset();
        break;
    case ControlKind::ListBox:
        child.handle = (lists_[key] = std::make_unique<Win32ListBox>(control, name, window_, id))->handle();
        break;
    case ControlKind::CommandButton:
        child.handle = (buttons_[key] = std::make_unique<Win32CommandButton>(control, look, window_, id))->handle();
        break;
    case ControlKind::TextBox:
        child.handle = (textBoxes_[key] = std::make_unique<Win32TextBox>(control, name, window_, id))->handle();
        break;
    case ControlKind::Label:
        child.label = std::make_unique<Win32Label>(control, look.textColour, window_, id);
        child.handle = child.label->handle();
        break;
    }
    children_.emplace(id, std::move(child));
}

// Every control at its place and in the font for a resolution. The controls
// take the new font before the old one is deleted.
void Win32Form::layOut(UINT dpi)
{
    dpi_ = dpi;
    const double scale = scaleAt(dpi);
    GdiObject<HFONT> font(createFont(fontFamily_, pointSize_, dpi));
    for (const auto& [id, child] : children_) {
        if (!child.designBounds)
            continue;
        placeChildWindow(child.handle, *child.designBounds, scale);
        SendMessageW(child.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    for (const auto& [key, board] : boards_)
        board->showAtScale(scale);
    font_ = std::move(font);
}

// The frame round the client area at the window's scale.
SIZE Win32Form::frameSize() const
{
    const PixelRect client = DeviceScale(scaleAt(dpi_)).rect(PixelRect{0, 0, clientWidth_, clientHeight_});
    const RECT frame = DpiFunctions::get().frameFor(RECT{0, 0, client.width, client.height}, WindowStyle, dpi_);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void Win32Form::resizeInPlace()
{
    const SIZE frame = frameSize();
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Win32Form::moveAndResize(const POINT& at)
{
    const SIZE frame = frameSize();
    SetWindowPos(window_, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icon resource in the sizes Windows shows at the window's resolution:
// the caption's and Alt+Tab's.
void Win32Form::showIcon()
{
    if (icon_.empty())
        return;
    const HINSTANCE program = GetModuleHandleW(nullptr);
    for (const auto& [which, size] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int pixels = DpiFunctions::get().systemMetric(size, dpi_);
        const HANDLE image = LoadImageW(program, icon_.c_str(), IMAGE_ICON, pixels, pixels, LR_SHARED);
        SendMessageW(window_, WM_SETICON, WPARAM(which), reinterpret_cast<LPARAM>(image));
    }
}

void Win32Form::Show()
{
    centreOnScreen();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    focus(behaviour_.firstFocus(canTakeFocus()));
}

void Win32Form::focus(const std::optional<ControlKey>& key)
{
    if (!key)
        return;
    for (const auto& [id, child] : children_) {
        if (child.key == *key)
            SetFocus(child.handle);
    }
}

// What the window shows is told to the system's controls as their UI state,
// which they draw their focus rectangles by; the buttons and the boards
// are drawn here.
void Win32Form::showFocusCues()
{
    const WORD action = behaviour_.focusCues().shown() ? UIS_CLEAR : UIS_SET;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    for (const auto& [key, button] : buttons_)
        InvalidateRect(button->handle(), nullptr, FALSE);
    showFocusCuesOnBoards();
}

const Win32Form::Child* Win32Form::childOfId(int id) const
{
    const auto child = children_.find(id);
    return child == children_.end() ? nullptr : &child->second;
}

const ControlKey* Win32Form::keyOfId(int id) const
{
    const Child* child = childOfId(id);
    return child ? &child->key : nullptr;
}

void Win32Form::centreOnScreen()
{
    RECT frame{};
    RECT workArea{};
    GetWindowRect(window_, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const PixelRect centred =
        centredIn({workArea.left, workArea.top, workArea.right - workArea.left, workArea.bottom - workArea.top},
                  frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(window_, nullptr, centred.left, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT Win32Form::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: DpiFunctions::get().scaleNonClientArea(window); break;
    case MessageLoop::KeyPressedInWindow: behaviour_.focusCues().keyPressed(std::int16_t(wParam)); return 0;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC: return onColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: onEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_NEXTDLGCTL: onNextControl(wParam, lParam); return 0;
    case WM_DPICHANGED: onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    // The high-contrast mode turned on or off, or its theme's colours changed.
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: showSystemColours(); return 0;
    // Whether the window shows focus cues is the behaviour's, not the system's.
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE: return 0;
    case WM_QUERYUISTATE: return onQueryUiState();
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// An owner-drawn button reports the second click of a double click as a
// double click; for a pupil it is one more click.
void Win32Form::onCommand(WORD id, WORD code)
{
    const ControlKey* key = keyOfId(id);
    if (Win32ListBox* list = found(lists_, key); list && code == LBN_SELCHANGE)
        list->selectionChanged();
    if (const Win32CommandButton* button = found(buttons_, key);
        button && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
        button->clicked();
}

// Labels on their own colour; the read-only report box, which asks the same,
// stays in the system's colour of text boxes as an edit box does.
LRESULT Win32Form::onColourStatic(HDC context, HWND control)
{
    if (const Child* child = childOfId(GetDlgCtrlID(control)); child && child->label)
        return reinterpret_cast<LRESULT>(child->label->paintBackground(context));
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void Win32Form::onDrawItem(const DRAWITEMSTRUCT& item)
{
    if (const Win32CommandButton* button = found(buttons_, keyOfId(int(item.CtlID)))) {
        const bool focusShown = behaviour_.focusCues().showsFocusOf(item.itemState & ODS_FOCUS);
        button->draw(item, font_.get(), scaleAt(dpi_), focusShown);
    }
}

void Win32Form::onEraseBackground(HDC context)
{
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(context, &client, background_.get());
}

// The dialog manager, and a multi-line edit box, ask the window to move the
// focus on Tab: to the next or previous control, or to the one named.
void Win32Form::onNextControl(WPARAM which, LPARAM byHandle)
{
    if (LOWORD(byHandle)) {
        SetFocus(reinterpret_cast<HWND>(which));
        return;
    }
    const ControlKey* current = keyOfId(GetDlgCtrlID(GetFocus()));
    focus(behaviour_.nextFocus(current ? std::optional(*current) : std::nullopt, which != 0, canTakeFocus()));
}

// The window moved to a screen of another resolution: everything in it is
// laid out anew for that resolution, the window where Windows suggests.
void Win32Form::onDpiChanged(UINT dpi, const RECT& suggested)
{
    layOut(dpi);
    showIcon();
    moveAndResize(POINT{suggested.left, suggested.top});
}

// The window in the colours of the system's high-contrast mode, or as
// designed while it is off.
void Win32Form::showSystemColours()
{
    const std::optional<SystemColours> system = highContrastColours();
    systemColoursShown_ = system.has_value();
    showInSystemColours(system);
}

// The buttons' edges are the system's raised ones, which a contrast theme
// need not set apart from the face; in the mode they are a plain frame in
// the captions' colour.
void Win32Form::recolour(const FormDescription& shown)
{
    background_ = GdiObject<HBRUSH>(CreateSolidBrush(toColourRef(shown.backColor)));
    const std::optional<Rgb> plainEdges = systemColoursShown_ ? std::optional(shown.look.textColour) : std::nullopt;
    for (const auto& [key, button] : buttons_)
        button->recolour(describedAs(shown, key), shown.look, plainEdges);
    for (const auto& [id, child] : children_) {
        if (child.label)
            child.label->recolour(describedAs(shown, child.key), shown.look.textColour);
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT Win32Form::onQueryUiState() const
{
    return behaviour_.focusCues().shown() ? 0 : UISF_HIDEFOCUS | UISF_HIDEACCEL;
}

} // namespace controls
