// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/DijagramSlika.h"

#include "core/DijagramAnvelopa.h"
#include "output/RasterSurface.h"

#include <QBuffer>

namespace DijagramSlika {

QImage slika(const RezultatiProracuna &r, QColor boja)
{
    RasterSurface surface(velicina, boja);
    NoProgress napredak;
    PetljaDijagrama petlja;
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
