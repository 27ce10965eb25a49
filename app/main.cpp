#include "ui/about/KelvaneIcon.h"
#include "ui/input/frmParametri.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(kelvaneIcon());

    auto *parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    return app.exec();
}
