#pragma once

#include <QDialog>

class RezultatiProracuna;
class frmParametri;

class frmListingExtM : public QDialog
{
    Q_OBJECT

public:
    frmListingExtM(const RezultatiProracuna &rezultati, const frmParametri &parametri,
                   QWidget *parent);
};
