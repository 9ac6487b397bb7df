#pragma once

#include "controls/FormDescription.h"
#include "controls/ListBoxBase.h"

#include <windows.h>

namespace controls {

// The list on Win32: a LISTBOX control. Windows tells of no selection the
// program makes, and tells of a click on the row already selected, so the
// click event follows the row this list last reported instead. Its name for
// screen readers is its window text, which a list does not show, and the
// hidden label right before it.
class Win32ListBox : public ListBoxBase
{
public:
    Win32ListBox(const ControlDescription& design, const std::string& name, HWND parent, int id);

    Win32ListBox(const Win32ListBox&) = delete;
    Win32ListBox& operator=(const Win32ListBox&) = delete;

    void AddItem(const std::string& text) override;
    void RemoveItem(int row) override;
    void Clear() override;

    std::string List(int row) const override;
    int ListCount() const override;
    int ListIndex() const override;
    void SetListIndex(int row) override;

    HWND handle() const { return window_; }
    // LBN_SELCHANGE: the user moved the selection, or clicked the selected row.
    void selectionChanged();

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool onKeyDown(WPARAM key);
    bool onMouseDown(WPARAM& keys, LPARAM position);
    int rowUnder(LPARAM position) const;
    void forgetSelection();

    HWND window_ = nullptr;
    WNDPROC listProcedure_ = nullptr;
};

} // namespace controls
