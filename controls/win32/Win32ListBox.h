#pragma once

#include "controls/FormDescription.h"
#include "controls/form/ListBoxBase.h"
#include "controls/win32/SubclassedControl.h"

#include <windows.h>

namespace controls {

// The list on Win32: a LISTBOX control, subclassed so that the list's keys
// and presses are the list's. Windows tells of no selection the program
// makes, and tells of a click on the row already selected, so the click
// event follows the row this list last reported instead. Its name for
// screen readers is its window text, which a list does not show, and the
// hidden label right before it.
class Win32ListBox : public ListBoxBase, public SubclassedControl
{
public:
    Win32ListBox(const ControlDescription& design, const std::string& name, HWND parent, int id);

    void AddItem(const std::string& text) override;
    int ListCount() const override;
    int ListIndex() const override;

    // LBN_SELCHANGE: the user moved the selection, or clicked the selected row.
    void selectionChanged();

protected:
    void removeRow(int row) override;
    void removeAllRows() override;
    std::string rowText(int row) const override;
    void showSelection(int row) override;
    void takeFocus() override;
    int rowsInView() const override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool onMouseDown(WPARAM& keys, LPARAM position);
    int rowUnder(LPARAM position) const;
};

} // namespace controls
