// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/frmAbout.h"

#include "core/VersionText.h"

#include "ui/Controls.h"

#include "ui/Twips.h"
#include "ui/about/KelvaneIcon.h"
#include "ui/about/Registry.h"
#include "ui/about/SysInfo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The etched separator: a grey line with a white one of two pixels just below it, drawn in that
// order. Both are horizontal, so they are filled as rectangles to land on exact pixel rows.
class EtchedLine : public QWidget
{
public:
    explicit EtchedLine(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const auto line = [&painter](int x1, int y, int x2, int width, QColor colour) {
            painter.fillRect(QRect(twips(x1), twips(y), twips(x2) - twips(x1) + 1, width), colour);
        };
        line(90, 1845, 5654, 1, QColor(128, 128, 128)); // element 1
        line(105, 1860, 5654, 2, Qt::white); // element 0
    }
};

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : frmAbout(systemRegistry(), systemStarter(), parent)
{ }

frmAbout::frmAbout(RegistryAccess &registry, ProgramStarter &starter, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_registry(registry)
    , m_starter(starter)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setFont(msSansSerif(8.25));
    setFixedSize(twips(5670), twips(3030));
    // Centred on the screen rather than over the input window.
    centerOnFirstShow(this);

    createControls();
    Form_Load();
}

void frmAbout::createControls()
{
    auto *line1 = new EtchedLine(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(rect());

    // Created in tab order; only the two buttons take the focus.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(4245, 2025, 1260, 345));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QPixmap::fromImage(kelvaneIconImage()));

    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setGeometry(twipsRect(4260, 2475, 1245, 345));
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    const auto label = [this](const char *name, const QString &text, QRect rect) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(rect);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        return l;
    };
    m_lblDescription = label(
        "lblDescription", QStringLiteral("App Description"), twipsRect(1050, 885, 3885, 810));
    m_lblDisclaimer
        = label("lblDisclaimer", QStringLiteral("Warning: ..."), twipsRect(255, 2025, 3870, 780));
    m_lblTitle
        = label("lblTitle", QStringLiteral("Application Title"), twipsRect(1050, 240, 4005, 240));
    m_lblVersion = label("lblVersion", QStringLiteral("Version"), twipsRect(1050, 540, 3885, 225));
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + applicationTitle);
    m_lblVersion->setText(
        QStringLiteral("Version ") + QString::fromUtf8(verzija().data(), verzija().size()));
    m_lblTitle->setText(applicationTitle);
    m_lblDescription->setText(
        QStringLiteral("Proracun extremnih vrednosti momenata savijanja i transverzalnih sila "
                       "proste grede opterecene sistemom od dve vezane koncentrisane sile."));
    m_lblDisclaimer->setText(QString());
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Esc presses OK, which is also the cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    ::StartSysInfo(m_registry, m_starter, this);
}
