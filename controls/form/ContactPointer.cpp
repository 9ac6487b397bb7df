#include "controls/form/ContactPointer.h"

namespace controls {

bool ContactPointer::putDown(int pointer)
{
    if (pointer_)
        return false;
    pointer_ = pointer;
    return true;
}

bool ContactPointer::isContact(int pointer) const
{
    return pointer_ == pointer;
}

bool ContactPointer::isDown() const
{
    return pointer_.has_value();
}

void ContactPointer::end()
{
    pointer_.reset();
}

} // namespace controls
