// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace Messages {

namespace {

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
    const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void error(QWidget *parent, const QString &caption, const QString &text)
{
    show(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

bool question(QWidget *parent, const QString &caption, const QString &text)
{
    return show(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void plain(QWidget *parent, const QString &caption, const QString &text)
{
    show(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
}

void refusal(QWidget *parent, KontroleUnosa::Poruka poruka)
{
    const auto translated = [](std::string_view serbian) {
        return QCoreApplication::translate("KontroleUnosa", serbian.data());
    };
    error(
        parent, translated(KontroleUnosa::naslovGreske), translated(KontroleUnosa::tekst(poruka)));
}

} // namespace Messages
