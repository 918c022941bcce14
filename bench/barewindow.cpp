// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The floor a Qt program stands on: a frameless translucent 640 × 480 window that fills its rectangle
// and writes one line of text, nothing else. Measured beside the ruler with guibench, it shows what
// launching, memory and moving cost any Qt window on the same machine in the same run.
//
//   guibench --label gradora --cmd build/release/gradora --label bare --cmd build/release/bench/barewindow
//
// A press and drag moves the window as the ruler's body does (the program moves itself, no window
// manager needed), so that a drag measures the floor of a window that follows the pointer.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow : public QWidget
{
public:
    BareWindow()
    {
        setWindowFlags(Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowTitle(QStringLiteral("Bare window"));
        resize(640, 480);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128, 200));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("A bare Qt window"));
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_grabOffset = event->globalPosition().toPoint() - pos();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() & Qt::LeftButton)
            move(event->globalPosition().toPoint() - m_grabOffset);
    }

private:
    QPoint m_grabOffset;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return app.exec();
}
