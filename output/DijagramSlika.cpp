#include "output/DijagramSlika.h"

#include "core/EnvelopeDiagram.h"
#include "output/RasterSurface.h"

#include <QBuffer>

namespace DijagramSlika {

namespace {

// A file has no progress bar to show.
class BezNapretka : public ProgressDisplay
{
public:
    void showBar(bool) override { }
    void setRange(int, int) override { }
    void setValue(float) override { }
    void setLabel(const std::string &) override { }
};

} // namespace

QImage slika(const RezultatiProracuna &r, const UlazniParametri &ulaz, QColor boja)
{
    RasterSurface surface(velicina, boja);
    BezNapretka napredak;
    DiagramLoopVariables petlja;
    nacrtajDijagram(r, ulaz, surface, napredak, petlja);
    return surface.image();
}

QByteArray png(const RezultatiProracuna &r, const UlazniParametri &ulaz)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    slika(r, ulaz).save(&buffer, "PNG");
    return bytes;
}

} // namespace DijagramSlika
