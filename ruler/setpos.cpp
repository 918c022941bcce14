#include "setpos.h"

setpos::setpos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Position/Size"));
}
