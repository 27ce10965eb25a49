// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program-wide sweeps share: the input window as the program starts it and the modal
// chain of windows driven through it with the user's hands of UserInput.h. Each modal window that
// opens gets its scenario run from its own event loop, so that the message boxes and nested
// windows it opens are answered as well.

#include "RefusalTexts.h"
#include "UserInput.h"

#include "ui/input/frmParametri.h"

#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ProgramRun {

// "#0.00" and "#0.000": at least one digit before the point, no "-0".
inline bool jeBroj(const QString &text, int decimals)
{
    const QRegularExpression format(QStringLiteral("^-?[0-9]+\\.[0-9]{%1}$").arg(decimals));
    const QString negativeZero = QStringLiteral("-0.") + QString(decimals, QLatin1Char('0'));
    return format.match(text).hasMatch() && text != negativeZero;
}

// No text of the window's fields and list lines names a non-number, and no field that holds a
// number is empty. allowedEmpty lists the fields that stay empty until their command first runs.
inline void bezNeBrojeva(const QWidget *window, const QStringList &allowedEmpty = {})
{
    const QRegularExpression nonNumber(
        QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit *f : window->findChildren<QLineEdit *>()) {
        if (f->window() != window->window())
            continue; // a dialog of its own, such as a file dialog
        const QString where = window->objectName() + QLatin1Char('.') + f->objectName();
        QVERIFY2(!nonNumber.match(f->text()).hasMatch(),
            qPrintable(where + QStringLiteral(" shows ") + f->text()));
        QVERIFY2(!f->text().isEmpty() || allowedEmpty.contains(f->objectName()),
            qPrintable(where + QStringLiteral(" is empty")));
    }
    for (const QListWidget *list : window->findChildren<QListWidget *>()) {
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY2(!nonNumber.match(list->item(i)->text()).hasMatch(),
                qPrintable(list->item(i)->text()));
        }
    }
}

// The results window's fields that stay empty until their evaluation runs.
inline const QStringList rezultatiPreseka { QStringLiteral("txtProizvoljnoKNmPI"),
    QStringLiteral("txtProizvoljnoKNmPII"), QStringLiteral("txtEXTMProizvoljniPresek"),
    QStringLiteral("txtProizvoljnoMaxT"), QStringLiteral("txtProizvoljnoMinT") };

// Every display field of the results window holds a "#0.00" number.
inline void proveriPrikaz(const QWidget *izlazna)
{
    for (const QLineEdit *f : izlazna->findChildren<QLineEdit *>()) {
        if (f->isEnabled() || rezultatiPreseka.contains(f->objectName()))
            continue;
        QVERIFY2(jeBroj(f->text(), 2), qPrintable(f->objectName() + QLatin1Char('=') + f->text()));
    }
}

// The program as it starts: the input window, shown and active, and a watcher that answers the
// message boxes and runs a scenario in each modal window that the program opens.
class Program
{
public:
    using Scenario = std::function<void(QDialog *)>;

    Program()
    {
        parametri = std::make_unique<frmParametri>();
        parametri->show();
        aktiviraj(parametri.get());
        watcher.onOtherModal = [this](QWidget *modal) { otvoren(modal); };
    }

    // Runs scenario in every window of that name that opens; a window without a scenario, or
    // whose scenario leaves it open, is closed.
    void uProzoru(const QString &name, Scenario scenario)
    {
        m_scenarios[name] = std::move(scenario);
    }

    int otvaranja(const QString &name) const
    {
        const auto it = m_otvaranja.find(name);
        return it == m_otvaranja.end() ? 0 : it->second;
    }

    void proracunaj() { izaberi(parametri.get(), "mnuProracunExtMExtT"); }

    ModalWatcher watcher;
    std::unique_ptr<frmParametri> parametri;

private:
    void otvoren(QWidget *modal)
    {
        // The watcher hands a window over again when a message box over it has closed.
        for (const QPointer<QWidget> &seen : m_vidjeni) {
            if (seen == modal)
                return;
        }
        m_vidjeni.emplace_back(modal);
        const QString name = modal->objectName();
        ++m_otvaranja[name];
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        // Run from the window's own event loop: the watcher's timer does not fire while it is
        // handing a window over, and the scenario's boxes and windows need it.
        QTimer::singleShot(0, dialog, [this, dialog, name] {
            const auto it = m_scenarios.find(name);
            if (it != m_scenarios.end() && it->second)
                it->second(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    std::map<QString, Scenario> m_scenarios;
    std::map<QString, int> m_otvaranja;
    std::vector<QPointer<QWidget>> m_vidjeni;
};

} // namespace ProgramRun
