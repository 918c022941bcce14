#include "about.h"

about::about(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Gradora"));
}
