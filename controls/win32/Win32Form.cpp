#include "controls/win32/Win32Form.h"

#include "controls/AccessibleName.h"
#include "controls/DeviceScale.h"
#include "controls/KeyCode.h"
#include "controls/Layout.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/ColourRef.h"
#include "controls/win32/DpiFunctions.h"
#include "controls/win32/WideText.h"
#include "controls/win32/WindowContext.h"
#include "controls/win32/WindowProcedure.h"

namespace controls {

namespace {

// A fixed single border with caption, system menu and close box; no minimise
// or maximise box, no resizing.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Control ids start above IDOK and IDCANCEL.
constexpr int FirstControlId = 100;

int CALLBACK noteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool fontFamilyInstalled(const std::wstring& family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(WindowContext().get(), &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The designed family, or the fallback where the designed one is not installed.
std::wstring installedFamily(const FontDescription& font)
{
    const std::wstring designed = toWide(font.family);
    return fontFamilyInstalled(designed) ? designed : toWide(font.fallbackFamily);
}

// The family in its point size at a resolution, with Cyrillic letters.
HFONT createFont(const std::wstring& family, int pointSize, UINT dpi)
{
    const int height = -MulDiv(pointSize, int(dpi), 72);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
}

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

template <typename Control>
Control* findByHandle(const std::map<std::pair<std::string, int>, std::unique_ptr<Control>>& controls, HWND window)
{
    for (const auto& [key, control] : controls) {
        if (control->handle() == window)
            return control.get();
    }
    return nullptr;
}

} // namespace

Win32Form::Win32Form(const FormDescription& description)
    : clientWidth_(description.clientWidth)
    , clientHeight_(description.clientHeight)
    , fontFamily_(installedFamily(description.font))
    , pointSize_(description.font.pointSize)
    , icon_(toWide(description.icon))
    , background_(CreateSolidBrush(toColourRef(description.backColor)))
{
    createWindow(description);
    // Created in tab order: the dialog manager's Tab follows the order of the
    // children, and the first that can take the focus gets it on Show().
    int id = FirstControlId;
    for (const ControlDescription* control : inTabOrder(description))
        createControl(description, *control, id++);
    layOut(DpiFunctions::get().dpiOf(window_));
    resize(nullptr);
    // Windows hides focus cues in a new window until the keyboard is used in
    // it. Wine keeps no such state at all, so the window keeps it itself, on
    // both, and answers WM_QUERYUISTATE from it.
    onChangeUiState(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
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
    HWND created = nullptr;
    switch (control.kind) {
    case ControlKind::PictureBox:
        boards_[key] = std::make_unique<Win32Board>(control, name, window_, id);
        return;
    case ControlKind::ListBox:
        created = (lists_[key] = std::make_unique<Win32ListBox>(control, name, window_, id))->handle();
        break;
    case ControlKind::CommandButton:
        created = (buttons_[key] = std::make_unique<Win32CommandButton>(control, window_, id))->handle();
        break;
    case ControlKind::TextBox:
        created = (textBoxes_[key] = std::make_unique<Win32TextBox>(control, name, window_, id))->handle();
        break;
    case ControlKind::Label:
        labels_.push_back(std::make_unique<Win32Label>(control, window_, id));
        created = labels_.back()->handle();
        break;
    }
    placed_.emplace_back(created, control.bounds);
}

// Every control at its place and in the font for a resolution. The controls
// take the new font before the old one is deleted.
void Win32Form::layOut(UINT dpi)
{
    dpi_ = dpi;
    const double scale = scaleAt(dpi);
    GdiObject<HFONT> font(createFont(fontFamily_, pointSize_, dpi));
    for (const auto& [control, design] : placed_) {
        placeChildWindow(control, design, scale);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    for (const auto& [key, board] : boards_)
        board->showAtScale(scale);
    font_ = std::move(font);
    showIcon();
}

// The frame round the scaled client area, at a point or where the window is.
void Win32Form::resize(const POINT* at)
{
    const PixelRect client = DeviceScale(scaleAt(dpi_)).rect(PixelRect{0, 0, clientWidth_, clientHeight_});
    const RECT frame = DpiFunctions::get().frameFor(RECT{0, 0, client.width, client.height}, WindowStyle, dpi_);
    SetWindowPos(window_, nullptr, at ? at->x : 0, at ? at->y : 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (at ? 0 : SWP_NOMOVE));
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
    if (const HWND first = GetNextDlgTabItem(window_, nullptr, FALSE))
        SetFocus(first);
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
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_DRAWITEM: onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC: return onColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: onEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_NEXTDLGCTL: onNextControl(wParam, lParam); return 0;
    case WM_DPICHANGED: onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_CHANGEUISTATE: onChangeUiState(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_QUERYUISTATE: return hiddenCues_;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The dialog manager turns Enter into IDOK, with no control; it is the
// focused button's.
void Win32Form::onCommand(WORD id, WORD code, HWND control)
{
    if (!control && id == IDOK) {
        if (Win32CommandButton* button = findByHandle(buttons_, GetFocus()))
            button->keyPressed(key::Return);
        return;
    }
    if (Win32ListBox* list = findByHandle(lists_, control); list && code == LBN_SELCHANGE)
        list->selectionChanged();
    // An owner-drawn button reports the second click of a double click as a
    // double click; for a pupil it is one more click.
    if (Win32CommandButton* button = findByHandle(buttons_, control);
        button && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
        button->clicked();
}

// Labels on their own colour; the read-only report box, which asks the same,
// stays white as an edit box is.
LRESULT Win32Form::onColourStatic(HDC context, HWND control)
{
    for (const auto& label : labels_) {
        if (label->handle() == control)
            return reinterpret_cast<LRESULT>(label->paintBackground(context));
    }
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void Win32Form::onDrawItem(const DRAWITEMSTRUCT& item)
{
    if (const Win32CommandButton* button = findByHandle(buttons_, item.hwndItem))
        button->draw(item, font_.get(), !(hiddenCues_ & UISF_HIDEFOCUS));
}

void Win32Form::onEraseBackground(HDC context)
{
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(context, &client, background_.get());
}

// A multi-line edit box asks its parent to move the focus on Tab, as it
// would ask a dialog: the next or previous control, or the one named.
void Win32Form::onNextControl(WPARAM which, LPARAM byHandle)
{
    const HWND next = LOWORD(byHandle) ? reinterpret_cast<HWND>(which)
                                       : GetNextDlgTabItem(window_, GetFocus(), which != 0);
    if (next)
        SetFocus(next);
}

// The window moved to a screen of another resolution: everything in it is
// laid out anew for that resolution, the window where Windows suggests.
void Win32Form::onDpiChanged(UINT dpi, const RECT& suggested)
{
    layOut(dpi);
    const POINT at{suggested.left, suggested.top};
    resize(&at);
}

// What DefWindowProc does for a top-level window on Windows: the window
// hides or shows the cues asked for, unless the user always wants to see
// them, and tells its children, which repaint themselves; the buttons,
// drawn here, are repainted.
void Win32Form::onChangeUiState(WORD action, WORD flags)
{
    if ((action != UIS_SET && action != UIS_CLEAR) || focusCuesAlwaysShown())
        return;
    const WORD hidden = action == UIS_SET ? hiddenCues_ | flags : hiddenCues_ & ~flags;
    if (hidden == hiddenCues_)
        return;
    hiddenCues_ = hidden;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
    for (const auto& [key, button] : buttons_)
        InvalidateRect(button->handle(), nullptr, FALSE);
}

} // namespace controls
