#include "tests/win32/Win32Driver.h"

#include "tests/win32/MessagePump.h"

#include "controls/raster/DeviceScale.h"
#include "controls/form/FormBehaviour.h"
#include "controls/form/HighContrastLook.h"
#include "controls/win32/ChildWindow.h"
#include "controls/win32/HighContrastMode.h"
#include "controls/win32/Win32Board.h"
#include "controls/win32/Win32CommandButton.h"
#include "controls/win32/Win32ListBox.h"
#include "controls/win32/Win32TextBox.h"
#include "controls/win32/Win32Toolkit.h"
#include "controls/win32/WideText.h"
#include "window/DrelvikDesign.h"

#include <oleacc.h>

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

MouseMessages mouseMessagesOf(std::int16_t button)
{
    switch (button) {
    case controls::mouse::RightButton: return {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, MK_RBUTTON};
    case controls::mouse::MiddleButton: return {WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP, MK_MBUTTON};
    default: return {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON};
    }
}

// Holds Shift, Ctrl and Alt down in the thread's key state for one scope, as
// a user holding them would: controls ask GetKeyState as well as the flags.
class HeldKeys
{
public:
    explicit HeldKeys(std::int16_t shift)
    {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> held = saved_;
        const auto hold = [&held](int vk) { held[std::size_t(vk)] = 0x80; };
        if (shift & controls::mouse::ShiftMask)
            hold(VK_SHIFT);
        if (shift & controls::mouse::CtrlMask)
            hold(VK_CONTROL);
        if (shift & controls::mouse::AltMask)
            hold(VK_MENU);
        SetKeyboardState(held.data());
    }
    ~HeldKeys() { SetKeyboardState(saved_.data()); }

    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    std::array<BYTE, 256> saved_{};
};

WPARAM modifierFlags(std::int16_t shift)
{
    WPARAM flags = 0;
    if (shift & controls::mouse::ShiftMask)
        flags |= MK_SHIFT;
    if (shift & controls::mouse::CtrlMask)
        flags |= MK_CONTROL;
    return flags;
}

UINT virtualKey(Key key)
{
    switch (key) {
    case Key::Left: return VK_LEFT;
    case Key::Right: return VK_RIGHT;
    case Key::Down: return VK_DOWN;
    case Key::Up: return VK_UP;
    case Key::Home: return VK_HOME;
    case Key::End: return VK_END;
    case Key::PageUp: return VK_PRIOR;
    case Key::PageDown: return VK_NEXT;
    case Key::Space: return VK_SPACE;
    case Key::Enter: return VK_RETURN;
    case Key::Digit2: return '2';
    case Key::Digit5: return '5';
    case Key::Digit7: return '7';
    }
    return 0;
}

std::string controlName(const std::string& name, int index)
{
    return controls::FormBehaviour::controlId(name, index);
}

void setDecimalSeparator(const wchar_t* separator)
{
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
}

// The name a screen reader gets for a control through Active Accessibility,
// from the system's proxy for the control's window.
std::string nameReadOut(HWND control)
{
    static const HRESULT comReady = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* accessible = nullptr;
    if (FAILED(comReady)
        || FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible))))
        return {};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (accessible->get_accName(self, &name) == S_OK && name) {
        text = controls::toUtf8(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

// The board's name and its description, as one text read out.
std::pair<std::string, std::string> nameAndDescription(const std::string& readOut)
{
    const std::size_t separator = readOut.find(controls::Win32Board::DescriptionSeparator);
    if (separator == std::string::npos)
        return {readOut, {}};
    return {readOut.substr(0, separator),
            readOut.substr(separator + std::string(controls::Win32Board::DescriptionSeparator).size())};
}

// The elements of the system's colours that a contrast theme sets, and the
// colours of one as Windows gives it: "Night sky", light on dark.
const std::array<int, 7> ThemeElements{COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                       COLOR_GRAYTEXT, COLOR_BTNFACE,    COLOR_BTNTEXT};
const std::vector<COLORREF> NightSky{RGB(0x00, 0x00, 0x00), RGB(0xFF, 0xFF, 0xFF), RGB(0xD6, 0xB4, 0xFD),
                                     RGB(0x2B, 0x2B, 0x2B), RGB(0xA6, 0xA6, 0xA6), RGB(0x00, 0x00, 0x00),
                                     RGB(0xFF, 0xEE, 0x32)};

controls::SystemColours systemColoursOf(const std::vector<COLORREF>& colours)
{
    const auto rgb = [&colours](std::size_t element) {
        return controls::Rgb{GetRValue(colours[element]), GetGValue(colours[element]), GetBValue(colours[element])};
    };
    return {rgb(0), rgb(1), rgb(2), rgb(3), rgb(4), rgb(5), rgb(6)};
}

// Sets the theme's elements, as the system's settings do: every window is
// told of the new colours.
void setSystemColours(const std::vector<COLORREF>& colours)
{
    SetSysColors(int(ThemeElements.size()), ThemeElements.data(), colours.data());
}

// Turns the mode's flag on or off as the system's settings do: kept for the
// user's next session, and every window told. Wine takes no
// SPI_SETHIGHCONTRAST, so there the driver does both in its place.
void setHighContrastFlag(bool on)
{
    HIGHCONTRASTW mode{};
    mode.cbSize = sizeof mode;
    mode.dwFlags = HCF_AVAILABLE | (on ? HCF_HIGHCONTRASTON : 0);
    if (SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof mode, &mode, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE))
        return;
    const std::wstring flags = std::to_wstring(mode.dwFlags);
    RegSetKeyValueW(HKEY_CURRENT_USER, controls::KeptHighContrastKey, L"Flags", REG_SZ, flags.c_str(),
                    DWORD((flags.size() + 1) * sizeof(wchar_t)));
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool sameEdge(const controls::EdgeLook& shown, const controls::EdgeLook& wanted)
{
    return shown.outerShadow == wanted.outerShadow && shown.outerLight == wanted.outerLight
           && shown.innerShadow == wanted.innerShadow && shown.innerLight == wanted.innerLight;
}

bool painted(HWND window)
{
    return !GetUpdateRect(window, nullptr, FALSE);
}

} // namespace

Win32Driver::Win32Driver()
{
    setDecimalSeparator(L".");
    static controls::Win32Toolkit toolkit;
    drelvik_ = std::make_unique<Drelvik>(toolkit);
    Window& shown = drelvik_->window();
    listClicks_.emplace(shown);
    controls_[controlName("Picture1", -1)] = board().handle();
    for (std::int16_t index = 0; index < lists::Count; ++index)
        controls_[controlName("List1", index)] = list(index).handle();
    for (std::int16_t index = 0; index < buttons::Count; ++index)
        controls_[controlName("Command1", index)] =
            dynamic_cast<controls::Win32CommandButton&>(shown.Command1(index)).handle();
    for (std::int16_t index = 0; index < textBoxes::Count; ++index)
        controls_[controlName("Text1", index)] = dynamic_cast<controls::Win32TextBox&>(shown.Text1(index)).handle();
    drelvik_->show();
    MessagePump::handlePending();
}

Win32Driver::~Win32Driver()
{
    restoreSystemColours();
    drelvik_.reset();
    MessagePump::handlePending();
    setDecimalSeparator(L".");
}

controls::Win32Board& Win32Driver::board() const
{
    return dynamic_cast<controls::Win32Board&>(drelvik_->window().Picture1());
}

controls::Win32ListBox& Win32Driver::list(std::int16_t index) const
{
    return dynamic_cast<controls::Win32ListBox&>(drelvik_->window().List1(index));
}

HWND Win32Driver::handle(const std::string& name) const
{
    return controls_.at(name);
}

// As Windows routes a press: a disabled window gets none, and a point outside
// the client area goes to the frame as a non-client message.
void Win32Driver::click(HWND target, POINT at, std::int16_t button, std::int16_t shift, bool twice)
{
    if (!IsWindowEnabled(target))
        return;
    const HeldKeys held(shift);
    const MouseMessages messages = mouseMessagesOf(button);
    pressAndRelease(target, at, messages.down, messages, modifierFlags(shift));
    if (twice)
        pressAndRelease(target, at, messages.doubleClick, messages, modifierFlags(shift));
}

void Win32Driver::pressAndRelease(HWND target, POINT at, UINT press, const MouseMessages& messages, WPARAM flags)
{
    POINT onScreen = at;
    ClientToScreen(target, &onScreen);
    const LPARAM screenPosition = MAKELPARAM(onScreen.x, onScreen.y);
    const LRESULT hit = SendMessageW(target, WM_NCHITTEST, 0, screenPosition);
    if (hit != HTCLIENT) {
        PostMessageW(target, press - WM_MOUSEFIRST + WM_NCMOUSEMOVE, WPARAM(hit), screenPosition);
        MessagePump::handlePending();
        return;
    }
    const LPARAM position = MAKELPARAM(at.x, at.y);
    PostMessageW(target, press, flags | messages.key, position);
    MessagePump::handlePending();
    PostMessageW(target, messages.up, flags, position);
    MessagePump::handlePending();
}

void Win32Driver::sendKey(HWND target, UINT vk)
{
    const UINT scanCode = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, vk, LPARAM(1 | (scanCode << 16)));
    MessagePump::handlePending();
    PostMessageW(GetFocus(), WM_KEYUP, vk, LPARAM(1 | (scanCode << 16) | (3u << 30)));
    MessagePump::handlePending();
}

// A pixel of the design at the display's scale: the first device pixel of
// its share of the screen.
POINT Win32Driver::onBoard(int x, int y) const
{
    const controls::DeviceScale scale(board().image().scale());
    return {scale.pixel(x), scale.pixel(y)};
}

void Win32Driver::pressBoardOnDevicePixel(POINT at)
{
    click(board().handle(), at, controls::mouse::LeftButton, 0);
}

void Win32Driver::pressBoard(int x, int y, std::int16_t button, std::int16_t shift)
{
    click(board().handle(), onBoard(x, y), button, shift);
}

void Win32Driver::doubleClickBoard(int x, int y)
{
    click(board().handle(), onBoard(x, y), controls::mouse::LeftButton, 0, true);
}

void Win32Driver::clickRow(std::int16_t index, int row, std::int16_t shift)
{
    RECT rect{};
    SendMessageW(list(index).handle(), LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&rect));
    click(list(index).handle(), {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
          controls::mouse::LeftButton, shift);
}

void Win32Driver::clickBelowRows(std::int16_t index)
{
    RECT client{};
    GetClientRect(list(index).handle(), &client);
    click(list(index).handle(), {10, client.bottom - 3}, controls::mouse::LeftButton, 0);
}

void Win32Driver::clickButton(std::int16_t index)
{
    const HWND button = handle(controlName("Command1", index));
    RECT client{};
    GetClientRect(button, &client);
    click(button, {client.right / 2, client.bottom / 2}, controls::mouse::LeftButton, 0);
}

void Win32Driver::pressKey(const std::string& control, Key key, bool ctrl)
{
    const HWND target = handle(control);
    SetFocus(target);
    MessagePump::handlePending();
    const HeldKeys held(ctrl ? controls::mouse::CtrlMask : 0);
    sendKey(target, virtualKey(key));
}

void Win32Driver::typeKey(Key key)
{
    sendKey(GetFocus(), virtualKey(key));
}

void Win32Driver::pressTab()
{
    sendKey(GetFocus(), VK_TAB);
}

void Win32Driver::useDecimalComma(bool comma)
{
    setDecimalSeparator(comma ? L"," : L".");
}

// On: the flag first, so that the window shows the mode in the colours it
// had, then the theme's colours. Off: the colours first, then the flag. The
// window shows the theme's look, and the designed one, only if it follows
// both the settings' and the colours' messages.
void Win32Driver::useHighContrast(bool on)
{
    if (on && !savedColours_) {
        savedColours_.emplace();
        for (const int element : ThemeElements)
            savedColours_->push_back(GetSysColor(element));
        setHighContrastFlag(true);
        setSystemColours(NightSky);
    } else if (!on) {
        restoreSystemColours();
    }
    awaitShownLook(on);
}

void Win32Driver::restoreSystemColours()
{
    if (!savedColours_)
        return;
    setSystemColours(*savedColours_);
    setHighContrastFlag(false);
    savedColours_.reset();
}

// Until the board's edge is the look's and the window has painted it.
void Win32Driver::awaitShownLook(bool highContrast)
{
    const std::optional<controls::SystemColours> theme =
        highContrast ? std::optional(systemColoursOf(NightSky)) : std::nullopt;
    const controls::EdgeLook wanted = controls::HighContrastLook::shownForm(drelvikDesign(), theme).look.boardEdge;
    const HWND shownBoard = board().handle();
    const bool shown = MessagePump::handleUntil([&] {
        return sameEdge(board().edge().look(), wanted) && painted(GetAncestor(shownBoard, GA_ROOT))
               && painted(shownBoard);
    });
    if (!shown)
        throw std::runtime_error(highContrast ? "the window did not take the contrast theme"
                                              : "the window did not go back to its designed look");
}

std::string Win32Driver::focusedControl() const
{
    const HWND focused = GetFocus();
    for (const auto& [name, control] : controls_) {
        if (control == focused)
            return name;
    }
    return {};
}

std::vector<std::string> Win32Driver::rows(std::int16_t index) const
{
    const controls::Win32ListBox& target = list(index);
    std::vector<std::string> texts;
    for (int row = 0; row < target.ListCount(); ++row)
        texts.push_back(target.List(row));
    return texts;
}

// What the box shows, read back from the control.
std::string Win32Driver::report() const
{
    return controls::windowText(handle(controlName("Text1", textBoxes::Report)));
}

bool Win32Driver::buttonEnabled(std::int16_t index) const
{
    return IsWindowEnabled(handle(controlName("Command1", index)));
}

const controls::Raster& Win32Driver::boardImage() const
{
    return board().image();
}

const controls::Raster& Win32Driver::shownBoard()
{
    return board().composeScreenImage();
}

std::string Win32Driver::accessibleName(const std::string& control) const
{
    const std::string readOut = nameReadOut(handle(control));
    return control == "Picture1" ? nameAndDescription(readOut).first : readOut;
}

std::string Win32Driver::boardDescription() const
{
    return nameAndDescription(nameReadOut(board().handle())).second;
}

int Win32Driver::selectionChanges(std::int16_t index) const
{
    return listClicks_->count(index);
}

std::unique_ptr<Driver> makeDriver()
{
    return std::make_unique<Win32Driver>();
}
