#pragma once

#include <QDialog>

// The about box, one object shown again and again.
class about : public QDialog
{
    Q_OBJECT
public:
    explicit about(QWidget *parent = nullptr);
};
