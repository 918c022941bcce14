#include "rulersettings.h"

rulerSettings::rulerSettings(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setWindowOpacity(0.9);
    resize(160, 240);
}
