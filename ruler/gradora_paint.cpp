// The paint pass: the whole window is drawn from its state.
#include "gradora.h"

#include <QPainter>

void Gradora::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), backgroundColor);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (borderVisible) {
        painter.setPen(QPen(rulerColor, 1));
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}
