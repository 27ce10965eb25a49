#include "ui/results/frmIzlazna.h"

frmIzlazna::frmIzlazna(const RezultatiProracuna &rezultati, frmParametri &parametri,
                       QWidget *parent)
    : QDialog(parent), m_rezultati(rezultati), m_parametri(parametri)
{
    setObjectName(QStringLiteral("frmIzlazna"));
}
