#pragma once

#include <QDialog>

class RezultatiProracuna;
class frmParametri;

class frmListingExtT : public QDialog
{
    Q_OBJECT

public:
    frmListingExtT(const RezultatiProracuna &rezultati, const frmParametri &parametri,
                   QWidget *parent);
};
