#pragma once

// What the tests of both listing windows need: an input window with its record, and the user's
// ways of typing n, running a menu command and reading the list.

#include "core/RezultatiProracuna.h"
#include "ui/input/frmParametri.h"
#include "ui/listing/TabStopDelegate.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

// The input window with the record computed from its fields, as the results window sees them.
struct Ulaz
{
    frmParametri parametri;
    RezultatiProracuna rezultati;

    explicit Ulaz(
        const char *P1 = "206", const char *P2 = "208", const char *e = "5", const char *L = "9")
    {
        parametri.txtSila1()->setText(QLatin1String(P1));
        parametri.txtSila2()->setText(QLatin1String(P2));
        parametri.txtRazmakSila()->setText(QLatin1String(e));
        parametri.txtRasponGrede()->setText(QLatin1String(L));
        rezultati.proracunaj(parametri.ulazniParametri());
    }
};

inline QLineEdit *brojPolja(QWidget *w)
{
    return w->findChild<QLineEdit *>(QStringLiteral("txtBrojPolja"));
}

inline void komanda(QWidget *w, const char *name)
{
    QAction *action = w->findChild<QAction *>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

// Replaces the field's text by keys: End, Shift+Home to select it all, then the characters
// (an empty text is typed as Backspace).
inline void otkucaj(QLineEdit *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

inline QStringList linije(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

inline QByteArray sadrzaj(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing>");
    return file.readAll();
}

inline void upisiDatoteku(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every line's columns start at the same places, each right of the widest text before it.
inline void proveriKolone(const QListWidget *list)
{
    const auto *delegate = qobject_cast<const TabStopDelegate *>(list->itemDelegate());
    QVERIFY(delegate);
    const QStringList lines = linije(list);
    QVERIFY(!lines.isEmpty());
    const QList<qreal> first
        = TabStopDelegate::columnStarts(list->font(), lines.first(), delegate->tabStops());
    const QFontMetricsF metrics(list->font());
    for (const QString &line : lines) {
        const QList<qreal> starts
            = TabStopDelegate::columnStarts(list->font(), line, delegate->tabStops());
        QCOMPARE(starts, first);
        const QStringList texts = line.split(QStringLiteral("\t\t"));
        QCOMPARE(starts.size(), texts.size() - 1);
        qreal end = 0;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            end += metrics.horizontalAdvance(texts.at(i));
            QVERIFY2(starts.at(i) > end, qPrintable(line));
            end = starts.at(i);
        }
    }
}
