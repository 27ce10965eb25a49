// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listing/ListingWindow.h"

#include "core/KontroleUnosa.h"
#include "ui/Controls.h"
#include "ui/DatotekaMenu.h"
#include "ui/Twips.h"
#include "ui/basGlavni.h"
#include "ui/listing/TabStopDelegate.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>

ListingWindow::ListingWindow(
    const ListingDesign &design, const RezultatiProracuna &rezultati, QWidget *parent)
    : MenuDialog(parent)
    , m_design(design)
    , m_rezultati(rezultati)
    , m_saveQuestion(this, design.dialogName, design.dialogTitle, design.offeredFileName,
          QStringLiteral("txt"))
{
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.caption);
    m_fileNameQuestion = [this] { return m_saveQuestion.ask(); };

    createControls(client());
    createMenu();
    setClientSize(design.client);
    centerOnFirstShow(this);

    NumericField::focus(m_txtBrojPolja);
}

void ListingWindow::createControls(QWidget *client)
{
    // The beam sketch: Line1 to Line13, each a control of its own as the window names them.
    for (std::size_t i = 0; i < m_design.sketch.size(); ++i) {
        auto *line = new LineSketch({ m_design.sketch[i] }, client);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setGeometry(QRect(QPoint(0, 0), m_design.client));
    }

    const QFont font = arial(12, true);
    // The label first: it touches the field in the shear window and must not cover it.
    auto *label = new QLabel(QStringLiteral("Broj polja ="), client);
    label->setObjectName(QStringLiteral("lblBrojPoljGrede"));
    label->setFont(font);
    label->setGeometry(m_design.lblBrojPoljGrede);
    // The focusable controls in tab order.
    m_txtBrojPolja = new QLineEdit(QString::fromUtf8(KontroleUnosa::pocetniBrojPolja), client);
    m_txtBrojPolja->setObjectName(QStringLiteral("txtBrojPolja"));
    m_txtBrojPolja->setFont(font);
    m_txtBrojPolja->setGeometry(m_design.txtBrojPolja);
    NumericField::attach(m_txtBrojPolja, 2);

    m_lst = new QListWidget(client);
    m_lst->setObjectName(QLatin1String(m_design.listName));
    m_lst->setFont(font);
    m_lst->setGeometry(m_design.list);
    m_delegate = new TabStopDelegate(m_lst);
    m_lst->setItemDelegate(m_delegate);
}

void ListingWindow::createMenu()
{
    addDatotekaMenu(menuBar(), this, &ListingWindow::mnuDatotekaProracun_Click,
        &ListingWindow::mnuDatotekaSnimi_Click, &ListingWindow::mnuDatotekaIzlaz_Click);
}

void ListingWindow::mnuDatotekaProracun_Click()
{
    m_lst->clear(); // first, so that a refused command leaves the list empty
    if (!KontrolaBrojaPolja(m_txtBrojPolja))
        return;
    QStringList lines;
    for (const std::string &line : linije(*NumericField::value(m_txtBrojPolja)))
        lines.append(QString::fromStdString(line));
    m_delegate->setTabStops(TabStopDelegate::tabStops(m_lst->font(), lines));
    m_lst->addItems(lines);
}

void ListingWindow::mnuDatotekaSnimi_Click()
{
    const QString path = m_fileNameQuestion();
    if (path.isEmpty())
        return;
    QStringList lines;
    for (int i = 0; i < m_lst->count(); ++i)
        lines.append(m_lst->item(i)->text());
    saveLines(this, path, lines);
}

void ListingWindow::mnuDatotekaIzlaz_Click()
{
    reject();
}
