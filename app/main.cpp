#include "core/QvForm.h"
#include "core/frmMain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvale"));
    Globsubs::ShowForm(frmMain::instance());
    return QApplication::exec();
}
