// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SaveQuestion.h"

#include "core/ListingLines.h"
#include "output/SaveFile.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

SaveQuestion::SaveQuestion(QWidget *parent, const char *name, const QString &title,
    const QString &offeredName, const QString &suffix)
    : m_parent(parent)
    , m_name(name)
    , m_title(title)
    , m_offered(offeredName)
    , m_suffix(suffix)
{ }

QString SaveQuestion::ask()
{
    if (!m_dialog) {
        m_dialog = new QFileDialog(m_parent, m_title);
        m_dialog->setObjectName(QLatin1String(m_name));
        m_dialog->setAcceptMode(QFileDialog::AcceptSave);
        m_dialog->setFileMode(QFileDialog::AnyFile);
        m_dialog->setDefaultSuffix(m_suffix);
        // One filter entry that reads ".txt" or ".pdf"; its pattern stays out of sight.
        m_dialog->setNameFilter(QStringLiteral(".%1 (*.%1)").arg(m_suffix));
        m_dialog->setOption(QFileDialog::HideNameFilterDetails);
    }
    m_dialog->selectFile(m_offered);
    if (m_dialog->exec() != QDialog::Accepted)
        return {};
    const QString path = m_dialog->selectedFiles().value(0);
    if (!path.isEmpty())
        m_offered = path;
    return path;
}

bool saveWithMessage(QWidget *parent, const QString &path, const QByteArray &bytes,
    const QString &caption, const QString &what)
{
    const SaveFile::Result result = SaveFile::write(path, bytes);
    if (result)
        return true;
    Messages::error(parent, caption,
        QCoreApplication::translate("SaveQuestion", "%1 nije snimljen u datoteku %2.\n")
                .arg(what, QDir::toNativeSeparators(path))
            + result.reason);
    return false;
}

bool saveLines(QWidget *parent, const QString &path, const QStringList &lines)
{
    std::vector<std::string> linije;
    for (const QString &line : lines)
        linije.push_back(line.toStdString());
    return saveWithMessage(parent, path, QByteArray::fromStdString(ListingLines::datoteka(linije)),
        QCoreApplication::translate("SaveQuestion", "Greska pri snimanju listinga!"),
        QCoreApplication::translate("SaveQuestion", "Listing"));
}
