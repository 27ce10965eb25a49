#include "ui/about/KelvaneIcon.h"
#include "ui/input/frmParametri.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(kelvaneIcon());
    // Without a Windows font the generic face would fall to a monospace one.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));

    auto *parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    return app.exec();
}
