// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLabel>

// The text of the about box: a press anywhere on it closes the box, and a press on a link first
// opens that link.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    LinkLabel(const QString &text, QWidget *parent = nullptr);

    // The link under the pointer, empty when the pointer is on no link.
    QString link() const { return m_link; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // The press has opened the link already; the label's own release would open it a second time.
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Opens the link under the pointer, if any, and closes the dialog.
    void openLinkAndClose();

    // The dialog that a press closes.
    QWidget *m_parentDialog = nullptr;
    QString m_link;
};
