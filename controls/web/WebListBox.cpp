#include "controls/web/WebListBox.h"

#include "controls/web/WebDom.h"

#include <algorithm>

namespace controls {

using emscripten::val;

WebListBox::WebListBox(const std::string& id, const val& shown)
    : id_(id)
    , list_(shown)
{
    if (list_.isNull()) {
        list_ = createElement("div", id);
        list_.set("tabIndex", 0);
        list_.call<void>("setAttribute", val("role"), val("listbox"));
        list_["classList"].call<void>("add", val("list"));
    }
    listen(list_, "pointerdown");
    listen(list_, "mousedown");
    listen(list_, "keydown");
}

void WebListBox::AddItem(const std::string& text)
{
    // Each row has an id of its own, never given again, by which the list
    // tells a screen reader which row is selected.
    val row = createElement("div", id_ + "." + std::to_string(++rowsMade_));
    row.call<void>("setAttribute", val("role"), val("option"));
    row.call<void>("setAttribute", val("aria-selected"), val("false"));
    row.set("textContent", val(text));
    list_.call<void>("appendChild", row);
    rows_.push_back(row);
    texts_.push_back(text);
}

int WebListBox::ListCount() const
{
    return int(rows_.size());
}

int WebListBox::ListIndex() const
{
    return selected_;
}

void WebListBox::handleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "pointerdown")
        onPointerDown(event);
    else if (type == "mousedown")
        event.call<void>("preventDefault");
    else if (type == "keydown")
        onKeyDown(event);
}

// The selected row, if it goes, is forgotten first.
void WebListBox::removeRow(int row)
{
    if (row == selected_)
        showSelection(-1);
    else if (row < selected_)
        --selected_;
    rows_[std::size_t(row)].call<void>("remove");
    rows_.erase(rows_.begin() + row);
    texts_.erase(texts_.begin() + row);
}

void WebListBox::removeAllRows()
{
    showSelection(-1);
    list_.set("textContent", val(std::string()));
    rows_.clear();
    texts_.clear();
}

std::string WebListBox::rowText(int row) const
{
    return texts_[std::size_t(row)];
}

void WebListBox::takeFocus()
{
    list_.call<void>("focus");
}

int WebListBox::rowsInView() const
{
    const int rowHeight = rows_.front()["offsetHeight"].as<int>();
    return std::max(list_["clientHeight"].as<int>() / std::max(rowHeight, 1), 1);
}

// The row under the press is the option it lands on; below the last row it
// lands on the list itself. The page selects no text.
void WebListBox::onPointerDown(const val& event)
{
    const val option = event["target"].call<val>("closest", val("[role=option]"));
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const val& row) { return row.strictlyEquals(option); });
    rowPressed(found == rows_.end() ? -1 : int(found - rows_.begin()));
}

// The keys the list takes would scroll the page.
void WebListBox::onKeyDown(const val& event)
{
    if (keyPressed(keyCodeOf(event)))
        event.call<void>("preventDefault");
}

void WebListBox::showSelection(int row)
{
    if (selected_ >= 0)
        rows_[std::size_t(selected_)].call<void>("setAttribute", val("aria-selected"), val("false"));
    selected_ = row;
    if (row < 0) {
        list_.call<void>("removeAttribute", val("aria-activedescendant"));
        return;
    }
    val shown = rows_[std::size_t(row)];
    shown.call<void>("setAttribute", val("aria-selected"), val("true"));
    list_.call<void>("setAttribute", val("aria-activedescendant"), shown["id"]);
    val options = val::object();
    options.set("block", val("nearest"));
    shown.call<void>("scrollIntoView", options);
}

} // namespace controls
