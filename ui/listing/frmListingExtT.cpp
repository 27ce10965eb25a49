// Temporary stand-in until the listings land.
#include "ui/listing/frmListingExtT.h"

frmListingExtT::frmListingExtT(const RezultatiProracuna &, const frmParametri &, QWidget *parent)
    : QDialog(parent) { setObjectName(QStringLiteral("frmListingExtT")); }
