#pragma once

#include <QSize>
#include <QWidget>

// The magnifier window. The preferences set and save its public values.
class Magnifier : public QWidget
{
    Q_OBJECT
public:
    explicit Magnifier(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    bool autoUpdate = false;
    int gridActive = 1;
    int gridSize = 1;
    int zoom = 4;
    QSize initialSize{250, 200};

    // Applies initialSize to the window.
    void applyInitialSize();
};
