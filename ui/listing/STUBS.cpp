// Temporary stand-ins until the listings land.
#include "ui/listing/frmListingExtM.h"
#include "ui/listing/frmListingExtT.h"

frmListingExtM::frmListingExtM(const RezultatiProracuna &, const frmParametri &, QWidget *parent)
    : QDialog(parent) { setObjectName(QStringLiteral("frmListingExtM")); }
frmListingExtT::frmListingExtT(const RezultatiProracuna &, const frmParametri &, QWidget *parent)
    : QDialog(parent) { setObjectName(QStringLiteral("frmListingExtT")); }
