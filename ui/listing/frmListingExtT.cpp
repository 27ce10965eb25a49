// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listing/frmListingExtT.h"

#include "core/ListingLines.h"
#include "ui/Twips.h"

#include <QCoreApplication>

namespace {

ListingDesign dizajn()
{
    return {
        "frmListingExtT",
        QCoreApplication::translate("frmListingExtT", "extT u proizvoljnim presecima grede"),
        QSize(twips(11130), twips(4515)),
        twipsRect(6030, 465, 495, 405),
        twipsRect(4710, 585, 1335, 375),
        "lstExtT",
        twipsRect(30, 1305, 11055, 3165),
        {
            { 1590, 225, 9510, 225, 4 }, // beam
            { 1350, 465, 1590, 225, 2 }, // left support
            { 1590, 225, 1830, 465, 2 },
            { 1230, 465, 1950, 465, 2 },
            { 9270, 465, 9510, 225, 2 }, // right support, movable
            { 9510, 225, 9750, 465, 2 },
            { 9150, 465, 9870, 465, 2 },
            { 9150, 585, 9870, 585, 2 },
            { 1470, 1065, 9630, 1065, 1 }, // dimension line with the field n above it
            { 1590, 585, 1590, 1185, 1 },
            { 9510, 705, 9510, 1185, 1 },
            { 1470, 1185, 1710, 945, 1 },
            { 9390, 1185, 9630, 945, 1 },
        },
        "CommonDialog2",
        QCoreApplication::translate("frmListingExtT", "Rezultati proracuna- extT"),
        QStringLiteral("extt"),
    };
}

} // namespace

frmListingExtT::frmListingExtT(const RezultatiProracuna &rezultati, QWidget *parent)
    : ListingWindow(dizajn(), rezultati, parent)
{ }

std::vector<std::string> frmListingExtT::linije(double n) const
{
    return ListingLines::transverzalneSile(rezultati(), n);
}
