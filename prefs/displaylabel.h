// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QWidget>

class QLabel;

// The display identification label: a small frameless window that names a monitor for a few seconds.
class DisplayLabel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kVisibleMs = 5000;

    explicit DisplayLabel(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // Hides the label kVisibleMs from now; a second start arms a second timer, and the first to fire hides.
    void start();
    // Shows the text with the window's top-left at topLeft, then hides after kVisibleMs.
    void showText(const QString &text, const QPoint &topLeft);

private:
    QLabel *m_label = nullptr;
};
