#pragma once

#include "controls/ListBoxBase.h"
#include "controls/web/WebEventHandler.h"

#include <optional>
#include <string>
#include <vector>

namespace controls {

// The list in the browser: a listbox element whose options are its rows. The
// page has no list of its own that keeps a selection apart from the focus,
// so the keys and presses that move the selection are handled here; the
// click event follows every change of it, by the user or by the program.
class WebListBox : public ListBoxBase, public WebEventHandler
{
public:
    explicit WebListBox(const std::string& id);

    const emscripten::val& element() const { return list_; }

    void AddItem(const std::string& text) override;
    void RemoveItem(int row) override;
    void Clear() override;

    std::string List(int row) const override;
    int ListCount() const override;
    int ListIndex() const override;
    void SetListIndex(int row) override;

    void handleEvent(emscripten::val event) override;

private:
    void pressed(const emscripten::val& event);
    void keyPressed(const emscripten::val& event);
    std::optional<int> rowForKey(std::int16_t keyCode) const;
    void showSelection(int row);
    void forgetSelection();

    std::string id_;
    emscripten::val list_;
    int rowsMade_ = 0;
    std::vector<emscripten::val> rows_;
    std::vector<std::string> texts_;
    int selected_ = -1;
};

} // namespace controls
