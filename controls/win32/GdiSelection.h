#pragma once

#include <windows.h>

namespace controls {

// Selects a GDI object into a device context for one scope and puts back what
// was there, so that the context is handed back as it came.
class GdiSelection
{
public:
    GdiSelection(HDC context, HGDIOBJ object)
        : context_(context)
        , previous_(SelectObject(context, object))
    {
    }
    ~GdiSelection() { SelectObject(context_, previous_); }

    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;

private:
    HDC context_;
    HGDIOBJ previous_;
};

} // namespace controls
