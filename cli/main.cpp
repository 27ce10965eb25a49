// kelvane-calc: the calculation of the windows from the command line. The text path touches no
// Qt at all, so that it starts at once; only --pdf and --png bring up Qt's painting, on the
// offscreen platform, so that no display is needed.

#include "cli/Ispis.h"
#include "cli/Opcije.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/TacneAnvelope.h"
#include "output/DijagramSlika.h"
#include "output/ProracunskiList.h"
#include "output/SaveFile.h"

#include <QDateTime>
#include <QGuiApplication>

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

constexpr int izlazUspeh = 0;
constexpr int izlazSnimanje = 1;
constexpr int izlazUnos = 2;

std::string verzija()
{
    return std::to_string(KELVANE_VERSION_MAJOR) + "." + std::to_string(KELVANE_VERSION_MINOR) + "."
        + std::to_string(KELVANE_VERSION_PATCH);
}

// Qt's painting needs an application object; the offscreen platform needs no display.
std::unique_ptr<QGuiApplication> qtZaCrtanje(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder, say) are no business of a script reading
    // standard error: the tool reports its failures itself.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << message.toStdString() << "\n";
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool snimi(const std::string &putanja, const QByteArray &bajtovi)
{
    const SaveFile::Result rezultat = SaveFile::write(QString::fromStdString(putanja), bajtovi);
    if (!rezultat)
        std::cerr << "Datoteka " << putanja << " nije snimljena: " << rezultat.reason.toStdString()
                  << "\n";
    return rezultat.saved;
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    const CitanjeOpcija citanje = procitajOpcije(std::vector<std::string>(argv + 1, argv + argc));
    const OpcijeKalkulatora &o = citanje.opcije;
    if (!citanje.greska.empty()) {
        std::cerr << citanje.greska << "\n"
                  << "Uputstvo: kelvane-calc --help\n";
        return izlazUnos;
    }
    if (o.pomoc) {
        std::cout << uputstvo();
        return izlazUspeh;
    }
    if (o.verzija) {
        std::cout << "kelvane-calc " << verzija() << "\n";
        return izlazUspeh;
    }

    const Proracun proracun = proracunaj(o);
    for (const std::string &poruka : proracun.poruke)
        std::cerr << poruka << "\n";
    if (!proracun.prihvacen)
        return izlazUnos;

    std::cout << ispisi(proracun, o);
    std::cout.flush();
    std::cerr << upozorenje(proracun, o);
    if (!o.pdf && !o.png)
        return izlazUspeh;

    auto qt = qtZaCrtanje(argc, argv);
    bool snimljeno = true;
    if (o.pdf) {
        ProracunskiList::Sadrzaj sadrzaj { proracun.ulaz,
            TacneAnvelope::rezime(proracun.poredjenje), QDateTime::currentDateTime() };
        snimljeno = snimi(*o.pdf, ProracunskiList::pdf(proracun.rezultati, sadrzaj)) && snimljeno;
    }
    if (o.png)
        snimljeno
            = snimi(*o.png, DijagramSlika::png(proracun.rezultati, proracun.ulaz)) && snimljeno;
    return snimljeno ? izlazUspeh : izlazSnimanje;
}
