#pragma once

#include <QImage>

// The worksheet's decoration: a writing brush above a stroke of ink, 580 x 689 pixels, 24-bit.
namespace stroval {

QImage DecorativePicture();

}  // namespace stroval
