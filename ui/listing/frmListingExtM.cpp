// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listing/frmListingExtM.h"

#include "core/ListingLines.h"
#include "ui/Twips.h"

#include <QCoreApplication>

namespace {

ListingDesign dizajn()
{
    return {
        "frmListingExtM",
        QCoreApplication::translate("frmListingExtM", "extM u proizvoljnim presecima grede"),
        QSize(twips(6450), twips(4470)),
        twipsRect(3510, 435, 495, 405),
        twipsRect(2070, 555, 1335, 375),
        "lstExtM",
        twipsRect(30, 1275, 6375, 3165),
        {
            { 390, 195, 6030, 195, 4 }, // beam
            { 150, 435, 390, 195, 2 }, // left support
            { 390, 195, 630, 435, 2 },
            { 30, 435, 750, 435, 2 },
            { 5790, 435, 6030, 195, 2 }, // right support, movable
            { 6030, 195, 6270, 435, 2 },
            { 5670, 435, 6390, 435, 2 },
            { 5670, 555, 6390, 555, 2 },
            { 270, 1035, 6150, 1035, 1 }, // dimension line with the field n above it
            { 390, 555, 390, 1155, 1 },
            { 6030, 675, 6030, 1155, 1 },
            { 270, 1155, 510, 915, 1 },
            { 5910, 1155, 6150, 915, 1 },
        },
        "CommonDialog1",
        QCoreApplication::translate("frmListingExtM", "Rezultati proracuna - extM"),
        QStringLiteral("extM"),
    };
}

} // namespace

frmListingExtM::frmListingExtM(const RezultatiProracuna &rezultati, QWidget *parent)
    : ListingWindow(dizajn(), rezultati, parent)
{ }

std::vector<std::string> frmListingExtM::linije(double n) const
{
    return ListingLines::momenti(rezultati(), n);
}
