// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

namespace Ui {
class AboutDialog;
}
class LinkLabel;

// The About box, one object that the rulers show again and again. A click anywhere closes it.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    // What the about text tells.
    struct Facts
    {
        QString version;
        QString system;
        int wordSize = 0;
        QString buildDate;
        QString buildTime;
        QString toolkitVersion;
        QUrl license;
        QUrl toolkitLicense;
    };

    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    // The facts of this build on the system it runs on.
    static Facts currentFacts();
    // The rich text of the box.
    static QString text(const Facts &facts);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    LinkLabel *m_textLabel = nullptr;
    Ui::AboutDialog *m_ui = nullptr;
};
