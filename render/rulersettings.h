#pragma once

#include <QWidget>

// The information panel beside the active ruler: lists the ruler's and the figure's readings.
class rulerSettings : public QWidget
{
    Q_OBJECT
public:
    explicit rulerSettings(QWidget *parent = nullptr);
};
