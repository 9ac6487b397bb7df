#pragma once

#include "controls/ListBox.h"
#include "controls/FormDescription.h"

#include <windows.h>

namespace controls {

// The list on Win32: a LISTBOX control. Windows tells of no selection the
// program makes, and tells of a click on the row already selected, so the
// click event follows the row this list last reported instead.
class Win32ListBox : public ListBox
{
public:
    Win32ListBox(const ControlDescription& design, HWND parent, int id);

    Win32ListBox(const Win32ListBox&) = delete;
    Win32ListBox& operator=(const Win32ListBox&) = delete;

    void AddItem(const std::string& text) override;
    void RemoveItem(int row) override;
    void Clear() override;

    std::string List(int row) const override;
    int ListCount() const override;
    int ListIndex() const override;
    void SetListIndex(int row) override;

    void OnClick(ClickHandler handler) override;

    HWND handle() const { return window_; }
    // LBN_SELCHANGE: the user moved the selection, or clicked the selected row.
    void selectionChanged();
    // How many click events this list has raised.
    int clicksRaised() const { return clicksRaised_; }

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool onKeyDown(WPARAM key);
    bool onMouseDown(WPARAM& keys, LPARAM position);
    void forgetSelection();
    void raiseClickIfMoved();

    HWND window_ = nullptr;
    WNDPROC listProcedure_ = nullptr;
    int reportedRow_ = -1;
    int clicksRaised_ = 0;
    ClickHandler click_;
};

} // namespace controls
