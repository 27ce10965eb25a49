// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmListingExtM: extM at n + 1 equally spaced sections of the beam, listed and saved as text.

#include "ui/listing/ListingWindow.h"

class frmListingExtM : public ListingWindow
{
    Q_OBJECT

public:
    frmListingExtM(const RezultatiProracuna &rezultati, QWidget *parent);

protected:
    std::vector<std::string> linije(double n) const override;
};
