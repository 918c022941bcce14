#pragma once

#include <QDialog>

// The "Transparency" dialog of a ruler.
class transparency : public QDialog
{
    Q_OBJECT
public:
    explicit transparency(QWidget *parent = nullptr);
};
