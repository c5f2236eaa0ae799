#pragma once

#include <QRect>
#include <QSize>

// Layout unit of every window description: 1/1440 inch, so 15 twips make one
// device-independent pixel. Qt's high-DPI scaling does the rest.
namespace platform::twips {

constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QRect rect(const QRect &box)
{
    return rect(box.x(), box.y(), box.width(), box.height());
}

} // namespace platform::twips
