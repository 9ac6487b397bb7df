#pragma once

#include "controls/form/ListBoxBase.h"
#include "controls/web/WebEventHandler.h"

#include <string>
#include <vector>

namespace controls {

// The list in the browser: a listbox element whose options are its rows. The
// page has no list of its own that keeps a selection apart from the focus,
// so the list shows the selection itself and tells of the keys and presses
// that move it.
class WebListBox : public ListBoxBase, public WebEventHandler
{
public:
    // The list the page already shows, or, where `shown` is null, a new one.
    WebListBox(const std::string& id, const emscripten::val& shown);

    const emscripten::val& element() const { return list_; }

    void AddItem(const std::string& text) override;
    int ListCount() const override;
    int ListIndex() const override;

    void handleEvent(emscripten::val event) override;

protected:
    void removeRow(int row) override;
    void removeAllRows() override;
    std::string rowText(int row) const override;
    void showSelection(int row) override;
    void takeFocus() override;
    int rowsInView() const override;

private:
    void onPointerDown(const emscripten::val& event);
    void onKeyDown(const emscripten::val& event);

    std::string id_;
    emscripten::val list_;
    int rowsMade_ = 0;
    std::vector<emscripten::val> rows_;
    std::vector<std::string> texts_;
    int selected_ = -1;
};

} // namespace controls
