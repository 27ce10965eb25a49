// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MenuDialog.h"

#include <QKeyEvent>
#include <QMenuBar>

MenuDialog::MenuDialog(QWidget *parent)
    : QDialog(parent)
    , m_menuBar(new QMenuBar(this))
    , m_client(new QWidget(this))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    m_client->setObjectName(QStringLiteral("klijent"));
}

void MenuDialog::setClientSize(QSize size)
{
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, size.width(), menuHeight);
    m_client->setGeometry(0, menuHeight, size.width(), size.height());
    setFixedSize(size.width(), menuHeight + size.height());
}

void MenuDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
