#pragma once

#include <QDialog>

class RezultatiProracuna;
class frmParametri;

class frmIzlazna : public QDialog
{
    Q_OBJECT

public:
    frmIzlazna(const RezultatiProracuna &rezultati, frmParametri &parametri, QWidget *parent);

private:
    const RezultatiProracuna &m_rezultati;
    frmParametri &m_parametri;
};
