#pragma once

#include <windows.h>

#include <utility>

namespace controls {

// Owns one GDI object (brush, font, pen) and deletes it when it goes.
template <typename Handle>
class GdiObject
{
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : handle_(handle)
    {
    }
    ~GdiObject()
    {
        if (handle_)
            DeleteObject(handle_);
    }

    GdiObject(GdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr))
    {
    }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }

    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

} // namespace controls
