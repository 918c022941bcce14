#include "transparency.h"

transparency::transparency(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Transparency"));
}
