// Where the window stands: its display, snapping and locking, full screen and stay on top.
#include "gradora.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

void Gradora::moveEvent(QMoveEvent *)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QScreen *current = screen();
    displayIndex = current ? int(screens.indexOf(current)) : 0;
    if (displayIndex < 0)
        displayIndex = 0;
    update();
}

void Gradora::setStayOnTop()
{
    stayOnTop = !stayOnTop;
    setWindowFlags(windowFlags() ^ Qt::WindowStaysOnTopHint);
    actStayOnTop->setChecked(stayOnTop);
    show();
    activateWindow();
}

void Gradora::setFullScreen()
{
    fullScreen = !fullScreen;
    if (fullScreen) {
        actFullScreen->setChecked(true);
        normalGeometry = geometry();
        showFullScreen();
    } else {
        actFullScreen->setChecked(false);
        showNormal();
        setGeometry(normalGeometry);
    }
    update();
}
