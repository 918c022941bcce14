// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/dialogs/titleroom.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLayout>
#include <QtMath>

namespace TitleRoom {

int widthFor(const QString &title, const QFont &font)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const double lines = kButtonsInLines + kPaddingInLines;
    return metrics.horizontalAdvance(title) + qCeil(lines * metrics.height());
}

void reserve(QDialog *dialog)
{
    const int width = widthFor(dialog->windowTitle(), dialog->font());
    if (QLayout *layout = dialog->layout()) {
        // A fixed-size layout takes its width from its contents: widen them, not the window.
        const QMargins margins = layout->contentsMargins();
        const int inner = width - margins.left() - margins.right();
        for (int i = 0; i < layout->count(); ++i) {
            QWidget *widget = layout->itemAt(i)->widget();
            if (widget && widget->inherits("QDialogButtonBox"))
                widget->setMinimumWidth(inner);
        }
        layout->activate();
    } else {
        dialog->setMinimumWidth(width);
    }
}

} // namespace TitleRoom
