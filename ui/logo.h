// The program's logo, drawn rather than decoded: no image has to be read
// before the window's first frame, and it is sharp at any screen density.
#pragma once

#include <QPixmap>

// A horizontal pressure vessel on two saddles, filling `size` (in
// device-independent pixels) at `devicePixelRatio`.
QPixmap DrawLogo(QSize size, qreal devicePixelRatio);
