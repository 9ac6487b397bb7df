#pragma once

#include "controls/PixelRect.h"

namespace controls {

// The display's scale: how many device pixels one design pixel covers.
// Design pixel k covers the device pixels from pixel(k) up to, but not
// including, pixel(k + 1), so that shapes that touch in the design still
// touch on the screen; at scale 1 the two are the same.
class DeviceScale
{
public:
    // A scale that is not a positive finite number is taken as 1.
    explicit DeviceScale(double factor);

    double factor() const { return factor_; }

    // The nearest whole number, halves upwards.
    static double roundHalfUp(double value);

    // The device pixel a design coordinate lands on.
    int pixel(double design) const;
    // The device pixels a design length covers, none for a length of none.
    int extent(int length) const;
    // The same, but never less than one device pixel, so that no pen, dash
    // or gap vanishes at a small scale.
    int length(int length) const;
    // A rectangle of the design, each edge on the device pixel it lands on.
    PixelRect rect(const PixelRect& design) const;

    // The design pixel whose device pixels hold a device pixel: the exact
    // inverse of pixel().
    int designPixel(int device) const;
    // The device pixel that holds a position given in the toolkit's
    // device-independent units, which are design pixels: pixel n begins at
    // n / factor, worked out as the toolkit works it out.
    int devicePixel(double position) const;

private:
    double factor_;
};

} // namespace controls
