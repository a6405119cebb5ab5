// The engine's drawings painted with QPainter, each role in a colour of the
// desktop's palette: the window shows the very picture the page shows and
// the saved SVG holds.
#pragma once

#include <QColor>
#include <QPainter>

#include "brenmor/presentation/drawing.h"

struct RoleColours {
  QColor ink;
  QColor paper;
  QColor accent;

  const QColor& Of(brenmor::Role role) const;
};

void Replay(QPainter& painter, const brenmor::Drawing& drawing, const RoleColours& colours);
