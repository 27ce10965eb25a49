// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmListingExtT: maxT and minT at n + 1 equally spaced sections of the beam, listed and saved as
// text.

#include "ui/listing/ListingWindow.h"

class frmListingExtT : public ListingWindow
{
    Q_OBJECT

public:
    frmListingExtT(const RezultatiProracuna &rezultati, QWidget *parent);

protected:
    std::vector<std::string> linije(double n) const override;
};
