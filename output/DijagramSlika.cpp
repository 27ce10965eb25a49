#include "output/DijagramSlika.h"

#include "core/EnvelopeDiagram.h"
#include "output/RasterSurface.h"

#include <QBuffer>

namespace DijagramSlika {

QImage slika(const RezultatiProracuna &r, QColor boja)
{
    RasterSurface surface(velicina, boja);
    NoProgress napredak;
    DiagramLoopVariables petlja;
    nacrtajDijagram(r, surface, napredak, petlja);
    return surface.image();
}

QByteArray png(const RezultatiProracuna &r)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    slika(r).save(&buffer, "PNG");
    return bytes;
}

} // namespace DijagramSlika
