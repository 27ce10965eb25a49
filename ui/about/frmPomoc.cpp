// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/frmPomoc.h"

#include "ui/Controls.h"

#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFont>
#include <QListWidget>
#include <QPushButton>

namespace {

// One text, one list line for each of its lines. The indents and the trailing space of "momenata "
// are part of it.
const char *const pomoc = QT_TRANSLATE_NOOP("frmPomoc",
    "Program obezbedjuje proracun dijagrama extremnih vred-\n"
    "nosti momenata savijanja i transverzalnih sila proste grede\n"
    "opterecene sistemom od dve vezane koncentrisane sile.\n"
    "\n"
    "Proracun se moze sprovesti posebno za:\n"
    "          - proizvoljni presek grede,\n"
    "          - vise preseka na jednakim rastojanjima.\n"
    "\n"
    "Faze proracuna se sastoje iz sledecih koraka:\n"
    "     1. Nakon startovanja programa unose se pocetni para-\n"
    "         metri proracuna u odgovarajuca textualna polja.\n"
    "     2. U padajucem meniju -Proracun- se startuje numericka\n"
    "         analiza.\n"
    "     3. Nakon startovanja numericke analize selektovanjem\n"
    "         odgovarajuceg taba dobijaju se rezultati proracuna za\n"
    "         extM, extT i dijagram ekxtremnih vrednosti momenata \n"
    "         savijanja i transverzalnih sila. Iz padajuceg menija\n"
    "         -Proracun- moze se startovati analiza za vise proizvolj-\n"
    "         nih preseka grede istovremeno.");

} // namespace

frmPomoc::frmPomoc(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Pomoc"));
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
    m_lstPomoc->addItems(tr(pomoc).split(QLatin1Char('\n')));
}

void frmPomoc::cmdOK_Click()
{
    close();
}
