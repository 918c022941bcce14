#include "magnifier.h"

Magnifier::Magnifier(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags | Qt::Window)
{
    setWindowTitle(tr("Magnifier"));
    setFocusPolicy(Qt::StrongFocus);
    applyInitialSize();
}

void Magnifier::applyInitialSize()
{
    resize(initialSize);
}
