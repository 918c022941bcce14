#pragma once

#include <QDialog>

// The "Position/Size" dialog of a ruler.
class setpos : public QDialog
{
    Q_OBJECT
public:
    explicit setpos(QWidget *parent = nullptr);
};
