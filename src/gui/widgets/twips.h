// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

namespace dorix {

// Window layouts are given in twips; 15 twips make one pixel at 96 dpi, and
// Qt scales pixels for high-DPI screens. A length in twips becomes the
// nearest whole number of pixels (non-negative lengths only).
constexpr int Twips(int twips) {
  return (2 * twips + 15) / 30;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace dorix
