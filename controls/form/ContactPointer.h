#pragma once

#include <optional>

namespace controls {

// Which finger or pen on the board is its contact: the first put down while
// none is. Another put down meanwhile is none of its own and enters nothing;
// toolkits tell them apart by the ids they give their pointers.
class ContactPointer
{
public:
    // Whether the pointer put down becomes the contact.
    bool putDown(int pointer);
    bool isContact(int pointer) const;
    bool isDown() const;
    // The contact lifted or was cancelled.
    void end();

private:
    std::optional<int> pointer_;
};

} // namespace controls
