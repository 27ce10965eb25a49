#pragma once

#include <QDialog>

class frmPomoc : public QDialog
{
    Q_OBJECT

public:
    explicit frmPomoc(QWidget *parent = nullptr);
};
