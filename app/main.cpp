// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/VersionText.h"
#include "ui/about/KelvaneIcon.h"
#include "ui/input/frmParametri.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Said instead of Qt's own abort when there is nowhere to show a window: no display, one that
// does not answer, or a platform that cannot start.
const char *const bezPrikaza
    = "Kelvane needs a graphical desktop, and this session has no display to show its window on.";

// What Qt says while the application starts is held back: when it cannot start, the one sentence
// above is all the user sees; when it can, Qt's words follow as usual.
struct PorukaPokretanja
{
    QtMsgType type;
    QByteArray category; // null when the message came without one
    QString text;
};

QtMessageHandler obicniRukovalac = nullptr;
std::vector<PorukaPokretanja> zadrzane;

void rukovalacPokretanja(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", bezPrikaza);
        // Not exit(): the application is half built, and its destructors must not run.
        std::_Exit(1);
    }
    zadrzane.push_back({ type, QByteArray(context.category), text });
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any display is looked for, so that it works in a terminal without one.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(versionText("kelvane").c_str(), stdout);
            return 0;
        }
    }
    obicniRukovalac = qInstallMessageHandler(rukovalacPokretanja);
    QApplication app(argc, argv);
    qInstallMessageHandler(obicniRukovalac);
    for (const PorukaPokretanja &p : zadrzane) {
        const QMessageLogContext context(
            nullptr, 0, nullptr, p.category.isNull() ? nullptr : p.category.constData());
        obicniRukovalac(p.type, context, p.text);
    }
    zadrzane.clear();
    app.setWindowIcon(kelvaneIcon());

    auto *parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    return app.exec();
}
