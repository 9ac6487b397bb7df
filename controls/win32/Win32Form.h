#pragma once

#include "controls/ControlMap.h"
#include "controls/Form.h"
#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace controls {

class Win32Board;
class Win32CommandButton;
class Win32Label;
class Win32ListBox;
class Win32TextBox;

// The window on Win32: a fixed-size top-level window whose controls are
// built from the window's description, in tab order, and found again by name
// and index. Destroying the object destroys the window.
class Win32Form : public Form
{
public:
    explicit Win32Form(const FormDescription& description);
    ~Win32Form() override;

    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    Board& board(std::string_view name, int index = -1) override;
    ListBox& listBox(std::string_view name, int index = -1) override;
    CommandButton& commandButton(std::string_view name, int index = -1) override;
    TextBox& textBox(std::string_view name, int index = -1) override;

    void Show() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    using Key = ControlKey;

    void createWindow(const FormDescription& description);
    void showIcon(const std::wstring& icon);
    void centreOnScreen();
    void createControl(const ControlDescription& control, int id);
    void onCommand(WORD id, WORD code, HWND control);
    LRESULT onColourStatic(HDC context, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void onEraseBackground(HDC context);
    void onNextControl(WPARAM which, LPARAM byHandle);

    HWND window_ = nullptr;
    GdiObject<HBRUSH> background_;
    GdiObject<HFONT> font_;
    std::map<Key, std::unique_ptr<Win32Board>> boards_;
    std::map<Key, std::unique_ptr<Win32ListBox>> lists_;
    std::map<Key, std::unique_ptr<Win32CommandButton>> buttons_;
    std::map<Key, std::unique_ptr<Win32TextBox>> textBoxes_;
    std::vector<std::unique_ptr<Win32Label>> labels_;
};

} // namespace controls
