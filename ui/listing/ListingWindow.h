// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// ListingWindow: what the moment and the shear listing windows share. The number of fields n,
// the list of lines, the beam sketch and the menu "Datoteka" with "Proracun", "Snimi" and
// "Izlaz" are built here from each window's design values; a window adds only its lines.
// The window is shown modally by the results window and lives on its stack, so it deletes
// nothing itself and closing it only ends exec(). It gets the record and its inputs as values.

#include "core/RezultatiProracuna.h"
#include "ui/LineSketch.h"
#include "ui/MenuDialog.h"
#include "ui/SaveQuestion.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class TabStopDelegate;

// What tells the two listing windows apart besides their lines. Sizes and positions in pixels,
// written in twips through twips() and twipsRect(); the sketch in twips.
struct ListingDesign
{
    const char *name;
    QString caption;
    QSize client;
    QRect txtBrojPolja;
    QRect lblBrojPoljGrede;
    const char *listName;
    QRect list;
    std::vector<SketchLine> sketch;
    const char *dialogName;
    QString dialogTitle;
    QString offeredFileName;
};

class ListingWindow : public MenuDialog
{
    Q_OBJECT

public:
    // Asks for the path to save the listing to; the empty text means that nothing is to be saved.
    using FileNameQuestion = std::function<QString()>;

    // Replaces the save dialog, so that a test can name the file without one.
    void setFileNameQuestion(FileNameQuestion question)
    {
        m_fileNameQuestion = std::move(question);
    }

protected:
    ListingWindow(
        const ListingDesign &design, const RezultatiProracuna &rezultati, QWidget *parent);

    // The lines for n fields, from the record.
    virtual std::vector<std::string> linije(double n) const = 0;

    const RezultatiProracuna &rezultati() const { return m_rezultati; }

private:
    void mnuDatotekaProracun_Click();
    void mnuDatotekaSnimi_Click();
    void mnuDatotekaIzlaz_Click();
    void createControls(QWidget *client);
    void createMenu();

    const ListingDesign m_design;
    const RezultatiProracuna m_rezultati;
    FileNameQuestion m_fileNameQuestion;

    QLineEdit *m_txtBrojPolja = nullptr;
    QListWidget *m_lst = nullptr;
    TabStopDelegate *m_delegate = nullptr;
    SaveQuestion m_saveQuestion;
};
