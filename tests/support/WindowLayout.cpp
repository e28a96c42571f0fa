#include "WindowLayout.h"

#include <QLayout>
#include <QWidget>

namespace WindowLayout {

namespace {

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

void collect(const QWidget *parent, QStringList &out)
{
    QList<const QWidget *> shown;
    for (const QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && w->isVisible())
            shown << w;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                out << nameOf(shown[i]) + QStringLiteral(" / ") + nameOf(shown[j]);
        if (shown[i]->layout())
            collect(shown[i], out);
    }
}

} // namespace

QStringList OverlappingControls(const QWidget *root)
{
    QStringList out;
    collect(root, out);
    return out;
}

} // namespace WindowLayout
