#include "translations/Translations.h"
#include "ui/about/KelvaneIcon.h"
#include "ui/input/frmParametri.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Said, as the start script says it, instead of Qt's own abort when there is nowhere to show a
// window.
const char *const bezPrikaza
    = "Kelvane needs a graphical desktop, and this session has no display to show its window on.";

// Whether Qt has a display to connect to: a platform named on the command line or in the
// environment, or an X or Wayland display. Elsewhere than on X and Wayland there always is one.
bool imaPrikaz(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    }
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" }) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!imaPrikaz(argc, argv)) {
        std::fprintf(stderr, "%s\n", bezPrikaza);
        return 1;
    }
    QApplication app(argc, argv);
    app.setWindowIcon(kelvaneIcon());
    // Serbian, the language of the texts, unless the desktop speaks another: then English.
    useLanguage(systemLanguage());

    auto *parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    return app.exec();
}
