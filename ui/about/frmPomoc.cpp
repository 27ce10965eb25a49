#include "ui/about/frmPomoc.h"

frmPomoc::frmPomoc(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
}
