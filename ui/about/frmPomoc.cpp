// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/frmPomoc.h"

#include "ui/Controls.h"

#include "ui/Twips.h"

#include <QFont>
#include <QListWidget>
#include <QPushButton>

namespace {

// The indents and the trailing space of "momenata " are part of the text.
const char *const pomoc[] = {
    "Program obezbedjuje proracun dijagrama extremnih vred-",
    "nosti momenata savijanja i transverzalnih sila proste grede",
    "opterecene sistemom od dve vezane koncentrisane sile.",
    "",
    "Proracun se moze sprovesti posebno za:",
    "          - proizvoljni presek grede,",
    "          - vise preseka na jednakim rastojanjima.",
    "",
    "Faze proracuna se sastoje iz sledecih koraka:",
    "     1. Nakon startovanja programa unose se pocetni para-",
    "         metri proracuna u odgovarajuca textualna polja.",
    "     2. U padajucem meniju -Proracun- se startuje numericka",
    "         analiza.",
    "     3. Nakon startovanja numericke analize selektovanjem",
    "         odgovarajuceg taba dobijaju se rezultati proracuna za",
    "         extM, extT i dijagram ekxtremnih vrednosti momenata ",
    "         savijanja i transverzalnih sila. Iz padajuceg menija",
    "         -Proracun- moze se startovati analiza za vise proizvolj-",
    "         nih preseka grede istovremeno.",
};

} // namespace

frmPomoc::frmPomoc(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pomoc"));
    setFont(msSansSerif(8.25));
    // Sizeable, but the controls keep their places.
    resize(twips(5655), twips(2235));
    centerOnFirstShow(this);

    createControls();
    Form_Load();
}

void frmPomoc::createControls()
{
    // Created in tab order: the button first.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(4680, 1845, 915, 330));
    // Enter presses the focused button, as Space does.
    m_cmdOK->setAutoDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmPomoc::cmdOK_Click);

    m_lstPomoc = new QListWidget(this);
    m_lstPomoc->setObjectName(QStringLiteral("lstPomoc"));
    m_lstPomoc->setFont(msSansSerif(9.75));
    m_lstPomoc->setGeometry(twipsRect(45, 45, 5550, 1740));
}

void frmPomoc::Form_Load()
{
    for (const char *line : pomoc)
        m_lstPomoc->addItem(QString::fromLatin1(line));
}

void frmPomoc::cmdOK_Click()
{
    close();
}
