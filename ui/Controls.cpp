#include "ui/Controls.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(double points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    return font;
}

QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

namespace {

class FirstShowCentering : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (const QScreen *screen = window->screen()) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        deleteLater();
        window->removeEventFilter(this);
        return false;
    }
};

} // namespace

void centerOnFirstShow(QWidget *window)
{
    window->installEventFilter(new FirstShowCentering(window));
}
