// Temporary stand-in until the listings land.
#include "ui/listing/frmListingExtM.h"

frmListingExtM::frmListingExtM(const RezultatiProracuna &, const frmParametri &, QWidget *parent)
    : QDialog(parent) { setObjectName(QStringLiteral("frmListingExtM")); }
