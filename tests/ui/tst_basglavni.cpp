// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/basGlavni.h"

#include "UserInput.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <optional>

namespace {

// A small window of the kind every numeric field lives in: three fields, a button and a menu.
class ProbniProzor : public QMainWindow
{
public:
    ProbniProzor()
    {
        auto *client = new QWidget(this);
        auto *layout = new QVBoxLayout(client);
        prvo = polje("prvo", "206", 5);
        drugo = polje("drugo", "208", 5);
        trece = polje("trece", "9", 4);
        layout->addWidget(prvo);
        layout->addWidget(drugo);
        layout->addWidget(trece);
        dugme = new QPushButton(QStringLiteral("Dugme"), client);
        dugme->setObjectName(QStringLiteral("dugme"));
        layout->addWidget(dugme);
        connect(dugme, &QPushButton::clicked, this, [this] { ++klikova; });
        setCentralWidget(client);

        meni = menuBar()->addMenu(QStringLiteral("Komande"));
        komanda = meni->addAction(QStringLiteral("Komanda"));
        connect(komanda, &QAction::triggered, this, [this] {
            tekstPriKomandi = prvo->text();
            fokusPriKomandi = focusWidget();
            ++komandi;
        });
    }

    QLineEdit *prvo;
    QLineEdit *drugo;
    QLineEdit *trece;
    QPushButton *dugme;
    QMenu *meni;
    QAction *komanda;
    int klikova = 0;
    int komandi = 0;
    QString tekstPriKomandi;
    QWidget *fokusPriKomandi = nullptr;

private:
    QLineEdit *polje(const char *name, const char *text, int maxLength)
    {
        auto *f = new QLineEdit(QLatin1String(text));
        f->setObjectName(QLatin1String(name));
        NumericField::attach(f, maxLength);
        return f;
    }
};

} // namespace

class tst_basGlavni : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void filterAdmitsDigitsBackspaceAndOnePoint_data();
    void filterAdmitsDigitsBackspaceAndOnePoint();
    void keyEventsMapToClassicCodes_data();
    void keyEventsMapToClassicCodes();

    void typedTextReplacesTheSelection();
    void refusedKeysDoNothing_data();
    void refusedKeysDoNothing();
    void enterAndEscapeDoNotReachTheDialog();
    void editingKeysKeepTheirEffect();
    void entryByTabSelectsAll();
    void entryByClickSelectsAll();
    void emptyFieldCannotBeLeft_data();
    void emptyFieldCannotBeLeft();
    void filledFieldCanBeLeft();
    void menuCommandRunsWithTheFieldEmpty();
    void maximumLengthLimitsTypingAndPasting();
    void programTextIsNotCutButCannotGrow();
    void valueFollowsTheFieldRule();

private:
    ProbniProzor &otvori();

    std::optional<ProbniProzor> m_prozor;
};

// Shows a fresh window, active, with the focus in its first field and "7" on the clipboard.
ProbniProzor &tst_basGlavni::otvori()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    m_prozor.emplace();
    m_prozor->show();
    m_prozor->activateWindow();
    if (!QTest::qWaitForWindowActive(&*m_prozor))
        qFatal("the test window did not become active");
    NumericField::focus(m_prozor->prvo);
    return *m_prozor;
}

void tst_basGlavni::cleanup()
{
    m_prozor.reset();
}

void tst_basGlavni::filterAdmitsDigitsBackspaceAndOnePoint_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");

    for (char c = '0'; c <= '9'; ++c) {
        QTest::addRow("digit %c, empty text", c) << int(c) << "" << int(c);
        QTest::addRow("digit %c, text with a point", c) << int(c) << "1.5" << int(c);
    }
    QTest::newRow("backspace, empty text") << 8 << "" << 8;
    QTest::newRow("backspace, text with a point") << 8 << "1.5" << 8;
    QTest::newRow("point, empty text") << int('.') << "" << int('.');
    QTest::newRow("point, digits") << int('.') << "206" << int('.');
    QTest::newRow("second point, point in the middle") << int('.') << "1.5" << 0;
    QTest::newRow("second point, point first") << int('.') << ".5" << 0;
    QTest::newRow("second point, point last") << int('.') << "5." << 0;
    QTest::newRow("second point, lone point") << int('.') << "." << 0;
    QTest::newRow("letter a") << int('a') << "" << 0;
    QTest::newRow("letter Z") << int('Z') << "" << 0;
    QTest::newRow("exponent e") << int('e') << "1" << 0;
    QTest::newRow("minus") << int('-') << "" << 0;
    QTest::newRow("plus") << int('+') << "" << 0;
    QTest::newRow("comma is the point") << int(',') << "1" << int('.');
    QTest::newRow("space") << int(' ') << "1" << 0;
    QTest::newRow("Tab") << 9 << "1" << 0;
    QTest::newRow("Enter") << 13 << "1" << 0;
    QTest::newRow("Escape") << 27 << "1" << 0;
    QTest::newRow("Ctrl+A") << 1 << "1" << 0;
    QTest::newRow("Ctrl+C") << 3 << "1" << 0;
    QTest::newRow("Ctrl+V") << 22 << "1" << 0;
    QTest::newRow("Ctrl+X") << 24 << "1" << 0;
    QTest::newRow("Ctrl+Z") << 26 << "1" << 0;
    QTest::newRow("code 0") << 0 << "" << 0;
    QTest::newRow("superscript two") << 0xB2 << "" << 0;
    QTest::newRow("Arabic-Indic digit zero") << 0x0660 << "" << 0;
    QTest::newRow("beyond 16 bits") << 0x10030 << "" << 0;
}

void tst_basGlavni::filterAdmitsDigitsBackspaceAndOnePoint()
{
    QFETCH(int, kod);
    QFETCH(QString, text);
    QFETCH(int, result);
    const QString before = text;
    QCOMPARE(basGlavni::KontrolaTastera(kod, text), result);
    QCOMPARE(text, before);
}

void tst_basGlavni::keyEventsMapToClassicCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kod"); // -1: the key produces no character

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    // X delivers Ctrl+C with the text "\x03", QTest with "c": both are code 3.
    QTest::newRow("Ctrl+C from X") << int(Qt::Key_C) << ctrl << "\x03" << 3;
    QTest::newRow("Ctrl+C from QTest") << int(Qt::Key_C) << ctrl << "c" << 3;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "v" << 22;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "x" << 24;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "z" << 26;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | Qt::ShiftModifier) << "Z" << 26;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "a" << 1;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << 9;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << "" << 9;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "\r" << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    QTest::newRow("digit") << int(Qt::Key_5) << none << "5" << int('5');
    QTest::newRow("keypad digit") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "5" << int('5');
    QTest::newRow("point") << int(Qt::Key_Period) << none << "." << int('.');
    QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << int('a');
    QTest::newRow("capital letter")
        << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A" << int('A');
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << int('-');
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << "," << int(',');
    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << int(' ');
    QTest::newRow("Delete from X") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("Delete from QTest") << int(Qt::Key_Delete) << none << "" << -1;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << -1;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << "" << -1;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << -1;
    QTest::newRow("End") << int(Qt::Key_End) << none << "" << -1;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << "" << -1;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << -1;
    QTest::newRow("lone Shift") << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                << "" << -1;
}

void tst_basGlavni::keyEventsMapToClassicCodes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, kod);
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(basGlavni::kodZnaka(event).value_or(-1), kod);
}

void tst_basGlavni::typedTextReplacesTheSelection()
{
    ProbniProzor &w = otvori();
    QCOMPARE(w.prvo->selectedText(), QStringLiteral("206"));
    otkucaj(&w, QStringLiteral("12.5"));
    QCOMPARE(w.prvo->text(), QStringLiteral("12.5"));

    // A point over a selected text without one replaces it.
    NumericField::focus(w.drugo);
    otkucaj(&w, QStringLiteral("."));
    QCOMPARE(w.drugo->text(), QStringLiteral("."));
    otkucaj(&w, QStringLiteral("5"));
    QCOMPARE(w.drugo->text(), QStringLiteral(".5"));
    NumericField::focus(w.trece);
    otkucaj(&w, QStringLiteral("18,5"));
    QCOMPARE(w.trece->text(), QStringLiteral("18.5"));
}

void tst_basGlavni::refusedKeysDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("selectAll");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    // The filter sees the whole text, not the selection that the point would replace.
    QTest::newRow("second point over the selection") << int(Qt::Key_Period) << none << true;
    QTest::newRow("second point at the end") << int(Qt::Key_Period) << none << false;
    QTest::newRow("letter") << int(Qt::Key_A) << none << true;
    QTest::newRow("capital letter")
        << int(Qt::Key_E) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << false;
    QTest::newRow("space") << int(Qt::Key_Space) << none << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << true;
    QTest::newRow("Ctrl+C copies nothing") << int(Qt::Key_C) << ctrl << true;
    QTest::newRow("Ctrl+X cuts nothing") << int(Qt::Key_X) << ctrl << true;
    QTest::newRow("Ctrl+V pastes nothing") << int(Qt::Key_V) << ctrl << true;
    QTest::newRow("Ctrl+Z undoes nothing") << int(Qt::Key_Z) << ctrl << false;
    QTest::newRow("Ctrl+A selects nothing") << int(Qt::Key_A) << ctrl << false;
    QTest::newRow("Ctrl+I is no Tab") << int(Qt::Key_I) << ctrl << false;
}

void tst_basGlavni::refusedKeysDoNothing()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, selectAll);
    ProbniProzor &w = otvori();
    // Typed, so that the field has something to undo.
    otkucaj(&w, QStringLiteral("1.5"));
    pritisni(&w, Qt::Key_Left);
    otkucaj(&w, QStringLiteral("2"));
    QCOMPARE(w.prvo->text(), QStringLiteral("1.25"));
    QVERIFY(w.prvo->isUndoAvailable());
    if (selectAll)
        w.prvo->selectAll();
    const int cursor = w.prvo->cursorPosition();
    const QString selected = w.prvo->selectedText();
    QSignalSpy returnPressed(w.prvo, &QLineEdit::returnPressed);

    pritisni(&w, Qt::Key(key), modifiers);

    QCOMPARE(w.prvo->text(), QStringLiteral("1.25"));
    QCOMPARE(w.prvo->cursorPosition(), cursor);
    QCOMPARE(w.prvo->selectedText(), selected);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
    QCOMPARE(returnPressed.count(), 0);
    QCOMPARE(QApplication::focusWidget(), w.prvo);
    QCOMPARE(w.klikova, 0);
    QCOMPARE(w.komandi, 0);
}

void tst_basGlavni::enterAndEscapeDoNotReachTheDialog()
{
    // The results and listing windows are dialogs: Enter would press their default button and
    // Escape would close them, were the keys not discarded in the field.
    QDialog dialog;
    auto *field = new QLineEdit(QStringLiteral("4.5"), &dialog);
    field->setObjectName(QStringLiteral("polje"));
    NumericField::attach(field, 5);
    auto *button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->setDefault(true);
    button->move(0, 40);
    int clicks = 0;
    connect(button, &QPushButton::clicked, &dialog, [&clicks] { ++clicks; });
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    NumericField::focus(field);

    pritisni(&dialog, Qt::Key_Return);
    pritisni(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
    pritisni(&dialog, Qt::Key_Escape);

    QCOMPARE(clicks, 0);
    QCOMPARE(finished.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(field->text(), QStringLiteral("4.5"));
}

void tst_basGlavni::editingKeysKeepTheirEffect()
{
    ProbniProzor &w = otvori();
    otkucaj(&w, QStringLiteral("1234"));
    pritisni(&w, Qt::Key_Home);
    QCOMPARE(w.prvo->cursorPosition(), 0);
    pritisni(&w, Qt::Key_Delete);
    QCOMPARE(w.prvo->text(), QStringLiteral("234"));
    pritisni(&w, Qt::Key_Right);
    pritisni(&w, Qt::Key_Backspace);
    QCOMPARE(w.prvo->text(), QStringLiteral("34"));
    pritisni(&w, Qt::Key_End);
    pritisni(&w, Qt::Key_Left);
    otkucaj(&w, QStringLiteral("."));
    QCOMPARE(w.prvo->text(), QStringLiteral("3.4"));
    pritisni(&w, Qt::Key_F1);
    QCOMPARE(w.prvo->text(), QStringLiteral("3.4"));
    // Deleting the point lets a point be typed again.
    pritisni(&w, Qt::Key_Backspace);
    otkucaj(&w, QStringLiteral("."));
    QCOMPARE(w.prvo->text(), QStringLiteral("3.4"));
}

void tst_basGlavni::entryByTabSelectsAll()
{
    ProbniProzor &w = otvori();
    pritisni(&w, Qt::Key_End); // nothing selected in the field that is left
    pritisni(&w, Qt::Key_Tab);
    QCOMPARE(fokus(&w), QStringLiteral("drugo"));
    QCOMPARE(w.drugo->selectedText(), QStringLiteral("208"));
    pritisni(&w, Qt::Key_Tab);
    QCOMPARE(fokus(&w), QStringLiteral("trece"));
    QCOMPARE(w.trece->selectedText(), QStringLiteral("9"));
    pritisni(&w, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(fokus(&w), QStringLiteral("drugo"));
    QCOMPARE(w.drugo->selectedText(), QStringLiteral("208"));
    otkucaj(&w, QStringLiteral("3"));
    QCOMPARE(w.drugo->text(), QStringLiteral("3"));
}

void tst_basGlavni::entryByClickSelectsAll()
{
    ProbniProzor &w = otvori();
    // A click near the left edge would put the cursor before the first character.
    klikni(w.drugo, QPoint(3, w.drugo->height() / 2));
    QCOMPARE(fokus(&w), QStringLiteral("drugo"));
    QCOMPARE(w.drugo->selectedText(), QStringLiteral("208"));
    otkucaj(&w, QStringLiteral("4"));
    QCOMPARE(w.drugo->text(), QStringLiteral("4"));

    // A click inside the field that has the focus only moves the cursor.
    w.drugo->setText(QStringLiteral("1234"));
    klikni(w.drugo, QPoint(3, w.drugo->height() / 2));
    QCOMPARE(w.drugo->selectedText(), QString());
}

void tst_basGlavni::emptyFieldCannotBeLeft_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Tab") << "Tab";
    QTest::newRow("Shift+Tab") << "Shift+Tab";
    QTest::newRow("click on another field") << "field";
    QTest::newRow("click on the button") << "button";
}

void tst_basGlavni::emptyFieldCannotBeLeft()
{
    QFETCH(QString, way);
    ProbniProzor &w = otvori();
    NumericField::focus(w.drugo);
    pritisni(&w, Qt::Key_Backspace);
    QCOMPARE(w.drugo->text(), QString());

    if (way == QLatin1String("Tab"))
        pritisni(&w, Qt::Key_Tab);
    else if (way == QLatin1String("Shift+Tab"))
        pritisni(&w, Qt::Key_Backtab, Qt::ShiftModifier);
    else if (way == QLatin1String("field"))
        klikni(w.trece);
    else
        klikni(w.dugme);

    QCOMPARE(fokus(&w), QStringLiteral("drugo"));
    QCOMPARE(QApplication::focusWidget(), w.drugo);
    QCOMPARE(w.klikova, 0);
    QCOMPARE(w.prvo->text(), QStringLiteral("206"));
    QCOMPARE(w.trece->text(), QStringLiteral("9"));
    // What is typed next goes into the emptied field.
    otkucaj(&w, QStringLiteral("5"));
    QCOMPARE(w.drugo->text(), QStringLiteral("5"));
    QCOMPARE(w.trece->text(), QStringLiteral("9"));
}

void tst_basGlavni::filledFieldCanBeLeft()
{
    ProbniProzor &w = otvori();
    otkucaj(&w, QStringLiteral("."));
    klikni(w.dugme);
    QCOMPARE(w.klikova, 1);
    QCOMPARE(fokus(&w), QStringLiteral("dugme"));
    klikni(w.trece);
    QCOMPARE(fokus(&w), QStringLiteral("trece"));
    QCOMPARE(w.trece->selectedText(), QStringLiteral("9"));
}

void tst_basGlavni::menuCommandRunsWithTheFieldEmpty()
{
    ProbniProzor &w = otvori();
    pritisni(&w, Qt::Key_Delete);
    QCOMPARE(w.prvo->text(), QString());

    QMenuBar *bar = w.menuBar();
    klikni(bar, bar->actionGeometry(w.meni->menuAction()).center());
    QVERIFY(w.meni->isVisible());
    QCOMPARE(fokus(&w), QStringLiteral("prvo"));
    QVERIFY(QTest::qWaitForWindowExposed(w.meni));
    QTest::mouseClick(
        w.meni->windowHandle(), Qt::LeftButton, {}, w.meni->actionGeometry(w.komanda).center());
    QCoreApplication::processEvents();

    QCOMPARE(w.komandi, 1);
    QCOMPARE(w.tekstPriKomandi, QString());
    QCOMPARE(w.fokusPriKomandi, w.prvo);
    QVERIFY(!w.meni->isVisible());
    QCOMPARE(fokus(&w), QStringLiteral("prvo"));
    QCOMPARE(w.prvo->text(), QString());
    // The field still holds on to the focus.
    pritisni(&w, Qt::Key_Tab);
    QCOMPARE(fokus(&w), QStringLiteral("prvo"));
}

void tst_basGlavni::maximumLengthLimitsTypingAndPasting()
{
    ProbniProzor &w = otvori();
    NumericField::focus(w.trece); // at most 4 characters
    otkucaj(&w, QStringLiteral("123456"));
    QCOMPARE(w.trece->text(), QStringLiteral("1234"));

    w.trece->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("98765"));
    w.trece->paste();
    QVERIFY(w.trece->text().size() <= 4);
    w.trece->selectAll();
    w.trece->insert(QStringLiteral("55555"));
    QVERIFY(w.trece->text().size() <= 4);

    w.trece->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("9,8"));
    w.trece->paste();
    QCOMPARE(w.trece->text(), QStringLiteral("9.8"));
    w.trece->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("98"));
    w.trece->paste();
    QCOMPARE(w.trece->text(), QStringLiteral("98"));
    pritisni(&w, Qt::Key_End);
    w.trece->paste();
    QCOMPARE(w.trece->text(), QStringLiteral("9898"));
    w.trece->paste();
    QCOMPARE(w.trece->text(), QStringLiteral("9898"));
}

void tst_basGlavni::programTextIsNotCutButCannotGrow()
{
    ProbniProzor &w = otvori();
    NumericField::focus(w.trece); // at most 4 characters
    w.trece->setText(QStringLiteral("12.24"));
    QCOMPARE(w.trece->text(), QStringLiteral("12.24"));

    // The user may shorten a longer text the program wrote, but not lengthen it.
    pritisni(&w, Qt::Key_End);
    otkucaj(&w, QStringLiteral("5"));
    QCOMPARE(w.trece->text(), QStringLiteral("12.24"));
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    w.trece->paste();
    QCOMPARE(w.trece->text(), QStringLiteral("12.24"));
    w.trece->setText(QStringLiteral("9998.9"));
    pritisni(&w, Qt::Key_End);
    pritisni(&w, Qt::Key_Backspace);
    QCOMPARE(w.trece->text(), QStringLiteral("9998."));
    otkucaj(&w, QStringLiteral("7"));
    QCOMPARE(w.trece->text(), QStringLiteral("9998."));
    pritisni(&w, Qt::Key_Backspace);
    otkucaj(&w, QStringLiteral("7"));
    QCOMPARE(w.trece->text(), QStringLiteral("9998"));
    pritisni(&w, Qt::Key_Backspace);
    otkucaj(&w, QStringLiteral("7"));
    QCOMPARE(w.trece->text(), QStringLiteral("9997"));
}

void tst_basGlavni::valueFollowsTheFieldRule()
{
    ProbniProzor &w = otvori();
    const auto value = [&w](const QString &text) {
        w.prvo->setText(text);
        return NumericField::value(w.prvo);
    };
    QCOMPARE(value(QStringLiteral("206")).value_or(-1), 206.0);
    QCOMPARE(value(QStringLiteral(".5")).value_or(-1), 0.5);
    QCOMPARE(value(QStringLiteral("5.")).value_or(-1), 5.0);
    for (const char *text : { ".", "", "-3", "1e5", "abc" })
        QVERIFY2(!value(QLatin1String(text)).has_value(), text);
}

QTEST_MAIN(tst_basGlavni)
#include "tst_basglavni.moc"
