#include "controls/win32/Win32Form.h"

#include "controls/KeyCode.h"
#include "controls/Layout.h"
#include "controls/win32/ColourRef.h"
#include "controls/win32/ScreenContext.h"
#include "controls/win32/Win32Board.h"
#include "controls/win32/Win32CommandButton.h"
#include "controls/win32/Win32Label.h"
#include "controls/win32/Win32ListBox.h"
#include "controls/win32/Win32TextBox.h"
#include "controls/win32/WideText.h"
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
    EnumFontFamiliesExW(ScreenContext().get(), &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The designed family in its point size, with Cyrillic letters; the fallback
// family where the designed one is not installed.
HFONT createFont(const FontDescription& font)
{
    const std::wstring designed = toWide(font.family);
    const std::wstring family = fontFamilyInstalled(designed) ? designed : toWide(font.fallbackFamily);
    const int height = -MulDiv(font.pointSize, GetDeviceCaps(ScreenContext().get(), LOGPIXELSY), 72);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
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
    : background_(CreateSolidBrush(toColourRef(description.backColor)))
    , font_(createFont(description.font))
{
    createWindow(description);
    // Created in tab order: the dialog manager's Tab follows the order of the
    // children, and the first that can take the focus gets it on Show().
    int id = FirstControlId;
    for (const ControlDescription* control : inTabOrder(description))
        createControl(*control, id++);
}

Win32Form::~Win32Form()
{
    if (window_)
        DestroyWindow(window_);
}

void Win32Form::createWindow(const FormDescription& description)
{
    RECT frame{0, 0, description.clientWidth, description.clientHeight};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, 0);
    window_ = CreateWindowExW(0, ownedWindowClass<Win32Form>(L"DrelvikForm"), toWide(description.caption).c_str(),
                              WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!description.icon.empty())
        showIcon(toWide(description.icon));
}

// The icon resource in the sizes Windows shows: the caption's and Alt+Tab's.
void Win32Form::showIcon(const std::wstring& icon)
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    for (const auto& [which, size] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int pixels = GetSystemMetrics(size);
        const HANDLE image = LoadImageW(program, icon.c_str(), IMAGE_ICON, pixels, pixels, LR_SHARED);
        SendMessageW(window_, WM_SETICON, WPARAM(which), reinterpret_cast<LPARAM>(image));
    }
}

void Win32Form::createControl(const ControlDescription& control, int id)
{
    const ControlKey key{control.name, control.index};
    HWND created = nullptr;
    switch (control.kind) {
    case ControlKind::PictureBox:
        created = (boards_[key] = std::make_unique<Win32Board>(control, window_, id))->handle();
        break;
    case ControlKind::ListBox:
        created = (lists_[key] = std::make_unique<Win32ListBox>(control, window_, id))->handle();
        break;
    case ControlKind::CommandButton:
        created = (buttons_[key] = std::make_unique<Win32CommandButton>(control, window_, id))->handle();
        break;
    case ControlKind::TextBox:
        created = (textBoxes_[key] = std::make_unique<Win32TextBox>(control, window_, id))->handle();
        break;
    case ControlKind::Label:
        labels_.push_back(std::make_unique<Win32Label>(control, window_, id));
        created = labels_.back()->handle();
        break;
    }
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
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
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_DRAWITEM: onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC: return onColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: onEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_NEXTDLGCTL: onNextControl(wParam, lParam); return 0;
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
        button->draw(item, font_.get());
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

} // namespace controls
