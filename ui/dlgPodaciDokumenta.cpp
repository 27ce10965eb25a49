// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dlgPodaciDokumenta.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>

namespace {

// Where the fields are kept between runs: the user's configuration, never beside the program.
QSettings podesavanja()
{
    return QSettings(QStringLiteral("Kelvane"), QStringLiteral("Kelvane"));
}

const char *const kljucevi[] = { "dokument/projekat", "dokument/element", "dokument/autor",
    "dokument/kontrolisao", "dokument/revizija" };

} // namespace

dlgPodaciDokumenta::dlgPodaciDokumenta(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPodaciDokumenta"));
    setWindowTitle(tr("Podaci o dokumentu"));
    auto *forma = new QFormLayout(this);
    const auto polje = [&](const char *ime, const QString &natpis) {
        auto *f = new QLineEdit(this);
        f->setObjectName(QLatin1String(ime));
        f->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
        forma->addRow(natpis, f);
        return f;
    };
    m_txtProjekat = polje("txtProjekat", tr("Projekat:"));
    m_txtElement = polje("txtElement", tr("Element:"));
    m_txtAutor = polje("txtAutor", tr("Izradio:"));
    m_txtKontrolisao = polje("txtKontrolisao", tr("Kontrolisao:"));
    m_txtRevizija = polje("txtRevizija", tr("Revizija:"));
    auto *dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    dugmad->setObjectName(QStringLiteral("cmdDugmad"));
    forma->addRow(dugmad);
    connect(dugmad, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    procitaj();
}

std::optional<PodaciDokumenta> dlgPodaciDokumenta::pitaj(QWidget *parent)
{
    dlgPodaciDokumenta dlg(parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    dlg.sacuvaj();
    return dlg.podaci();
}

PodaciDokumenta dlgPodaciDokumenta::podaci() const
{
    const auto t = [](const QLineEdit *f) { return f->text().trimmed().toStdString(); };
    return { t(m_txtProjekat), t(m_txtElement), t(m_txtAutor), t(m_txtKontrolisao),
        t(m_txtRevizija) };
}

void dlgPodaciDokumenta::procitaj()
{
    const QSettings s = podesavanja();
    QLineEdit *polja[]
        = { m_txtProjekat, m_txtElement, m_txtAutor, m_txtKontrolisao, m_txtRevizija };
    for (int i = 0; i < 5; ++i)
        polja[i]->setText(s.value(QLatin1String(kljucevi[i])).toString());
}

void dlgPodaciDokumenta::sacuvaj() const
{
    QSettings s = podesavanja();
    const QLineEdit *polja[]
        = { m_txtProjekat, m_txtElement, m_txtAutor, m_txtKontrolisao, m_txtRevizija };
    for (int i = 0; i < 5; ++i)
        s.setValue(QLatin1String(kljucevi[i]), polja[i]->text().trimmed());
}
