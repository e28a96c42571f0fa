#include "core/HelpWindows.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QV_REGISTER_FORM(frmDiagram)
QV_REGISTER_FORM(frmOverview)
QV_REGISTER_FORM(frmHelpFac)
QV_REGISTER_FORM(frmGettingStarted)
QV_REGISTER_FORM(frmAbout)

namespace {

QLabel *headingLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblHeading"));
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The system diagram: the controller in the middle, the programs it starts on
// one side, the files they read and write on the other.
class SystemDiagram : public QWidget
{
public:
    explicit SystemDiagram(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("picDiagram"));
        setMinimumSize(680, 420);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        const double sx = width() / 680.0;
        const double sy = height() / 420.0;
        p.scale(sx, sy);

        const QRectF editor(250, 170, 180, 80);
        const QRectF model(480, 20, 180, 60);
        const QRectF outputs(480, 110, 180, 70);
        const QRectF converter(480, 230, 180, 60);
        const QRectF reformatter(480, 330, 180, 60);
        const QRectF input(20, 40, 170, 60);
        const QRectF oldData(20, 230, 170, 50);
        const QRectF hecras(20, 330, 170, 50);
        const QRectF views(250, 20, 180, 90);

        arrow(p, editor.right() - 20, editor.top(), model.left(), model.center().y());
        arrow(p, model.center().x(), model.bottom(), outputs.center().x(), outputs.top());
        arrow(p, outputs.left(), outputs.center().y(), editor.right(), editor.top() + 20);
        arrow(p, editor.right(), editor.bottom() - 20, converter.left(), converter.center().y());
        arrow(p, editor.right() - 20, editor.bottom(), reformatter.left(), reformatter.center().y());
        arrow(p, input.right(), input.center().y() - 10, editor.left() + 20, editor.top());
        arrow(p, editor.left(), editor.top() + 15, input.right(), input.center().y() + 15);
        arrow(p, oldData.right(), oldData.center().y(), editor.left(), editor.bottom() - 25);
        arrow(p, hecras.right(), hecras.center().y(), editor.left() + 20, editor.bottom());
        arrow(p, editor.center().x(), editor.top(), views.center().x(), views.bottom());

        box(p, editor, QColor(255, 255, 200), QStringLiteral("Quorvale System\nController / Editor"), true);
        box(p, model, QColor(210, 230, 255), QStringLiteral("QV-31 Model\n(qv31.exe)"));
        box(p, converter, QColor(210, 230, 255), QStringLiteral("Input Converter\n(QV31_Converter.exe)"));
        box(p, reformatter, QColor(210, 230, 255), QStringLiteral("HEC-RAS Reformatter\n(QV31_HECRAS_Rating.exe)"));
        box(p, input, QColor(220, 245, 220), QStringLiteral("Quorvale input file\n(*.inp)"));
        box(p, oldData, QColor(235, 235, 235), QStringLiteral("Old QV-31 data (*.dat)"));
        box(p, hecras, QColor(235, 235, 235), QStringLiteral("HEC-RAS output (*.txt)"));
        box(p, outputs, QColor(220, 245, 220),
            QStringLiteral("Model output\nout  err  dbg\nhyd  ecn"));
        box(p, views, QColor(255, 230, 210),
            QStringLiteral("Entry windows\nOutput viewer\nPlots, Schematic"));
    }

private:
    static void box(QPainter &p, const QRectF &r, const QColor &fill, const QString &text, bool bold = false)
    {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(r, 8, 8);
        QFont font = p.font();
        font.setBold(bold);
        p.setFont(font);
        p.drawText(r, Qt::AlignCenter, text);
    }

    static void arrow(QPainter &p, double x1, double y1, double x2, double y2)
    {
        arrow(p, QPointF(x1, y1), QPointF(x2, y2));
    }

    static void arrow(QPainter &p, const QPointF &from, const QPointF &to)
    {
        p.setPen(QPen(Qt::darkGray, 1.5));
        p.drawLine(from, to);
        const QLineF line(to, from);
        QLineF wing1 = line;
        wing1.setLength(10);
        wing1.setAngle(line.angle() + 25);
        QLineF wing2 = line;
        wing2.setLength(10);
        wing2.setAngle(line.angle() - 25);
        QPainterPath head;
        head.moveTo(to);
        head.lineTo(wing1.p2());
        head.lineTo(wing2.p2());
        head.closeSubpath();
        p.fillPath(head, Qt::darkGray);
    }
};

} // namespace

void StaticHelpForm::buildControls(QWidget *central)
{
    setWindowTitle(title());
    auto *layout = new QVBoxLayout(central);
    buildContent(central, layout);
    auto *close = new QPushButton(QStringLiteral("Close"), central);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QvForm::unload);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

void StaticHelpForm::addText(QWidget *central, QVBoxLayout *layout, const QString &heading,
                             const QStringList &paragraphs)
{
    layout->addWidget(headingLabel(heading, central));
    int n = 0;
    for (const QString &text : paragraphs) {
        auto *label = new QLabel(text, central);
        label->setObjectName(QStringLiteral("lblText_%1").arg(n++));
        label->setWordWrap(true);
        label->setMinimumWidth(520);
        layout->addWidget(label);
    }
    layout->addStretch();
}

QString frmDiagram::title() const { return QStringLiteral("Quorvale System Diagram"); }

void frmDiagram::buildContent(QWidget *central, QVBoxLayout *layout)
{
    layout->addWidget(new SystemDiagram(central), 1);
}

QString frmOverview::title() const { return QStringLiteral("Overviews Help"); }

void frmOverview::buildContent(QWidget *central, QVBoxLayout *layout)
{
    addText(central, layout, QStringLiteral("Overview"),
            {QStringLiteral(
                "The Quorvale System Controller / Editor ties the parts of the Quorvale system together: it starts "
                "the QV-31 watershed model, the input converter for old QV-31 data files and the HEC-RAS "
                "reformatter, and it lets you build and change a Quorvale input file. The editor is laid out "
                "along the input sections of the user documentation: every section has an entry window of its "
                "own, which you open by clicking the section's name in the list of the main window. The editors "
                "of your local land uses and of your local soils are reached through the File menu.")});
}

QString frmHelpFac::title() const { return QStringLiteral("Help Facilities Help"); }

void frmHelpFac::buildContent(QWidget *central, QVBoxLayout *layout)
{
    addText(central, layout, QStringLiteral("Help Facilities"),
            {QStringLiteral(
                 "Each entry window carries its own help. Names shown in yellow, the window's title and the "
                 "names of its fields, can be clicked: a help box then opens in the lower left corner of the "
                 "window, giving the name of the item, what it means and the range of values it accepts. "
                 "Clicking the same name a second time closes the box again."),
             QStringLiteral(
                 "Besides that, general help windows describe the system as a whole. The \"New User\" button "
                 "shown when the program starts opens the main ones, and every one of them can be opened at any "
                 "time from the Help menu of the main window.")});
}

QString frmGettingStarted::title() const { return QStringLiteral("Getting Started Help"); }

void frmGettingStarted::buildContent(QWidget *central, QVBoxLayout *layout)
{
    addText(central, layout, QStringLiteral("Getting Started"),
            {QStringLiteral(
                 "Editing a file: choose \"New Quorvale File\", \"Open Existing Quorvale File\" or \"ReOpen Last "
                 "Session\" from the File menu. The Quorvale Identifier window opens first: choose English or "
                 "metric units there and accept it. Then click the name of any section in the list of the main "
                 "window to enter or change its data, and accept each window when you are done. Keep your work "
                 "with \"Save\", or with \"Save As\" to give it a new name."),
             QStringLiteral(
                 "Converting an old QV-31 input file: choose \"Convert old Data\" from the File menu and pick the "
                 "old data file. The converter writes a Quorvale input file beside it; when it finds problems "
                 "they are listed in its error file, otherwise the converted file opens with the Quorvale "
                 "Identifier window."),
             QStringLiteral(
                 "Reformatting HEC-RAS data: choose \"Import HEC-RAS\" from the File menu and pick the HEC-RAS "
                 "output file. The reformatted cross sections are either added to the data you are editing (keep "
                 "your unsaved changes when asked) or start a new file of their own."),
             QStringLiteral(
                 "Running the model: the Run menu appears only while the input file has a name and has not been "
                 "changed since it was opened or saved. Save your changes first, then choose Run; the printed "
                 "page output, or the error file when the model reports errors, is shown when the run ends.")});
}

QString frmAbout::title() const { return QStringLiteral("About Quorvale System Controller / Editor"); }

void frmAbout::buildContent(QWidget *central, QVBoxLayout *layout)
{
    auto *icon = new QLabel(central);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    auto *heading = headingLabel(QStringLiteral("Quorvale System Controller / Editor"), central);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    const QList<QPair<QString, QString>> lines = {
        {QStringLiteral("lblPlatform"), QStringLiteral("32-bit Window Based Application")},
        {QStringLiteral("lblDescription"),
         QStringLiteral("Runs the QV-31 watershed model and its converters, and creates and edits its input files.")},
        {QStringLiteral("lblVersion"),
         QStringLiteral("Version 1.0, compiled %1").arg(QString::fromLatin1(__DATE__))},
        {QStringLiteral("lblDisclaimer"),
         QStringLiteral("This software is provided without warranty of any kind. Its users are responsible for "
                        "checking its input and for judging and using its results.")}};
    for (const auto &[name, text] : lines) {
        auto *label = new QLabel(text, central);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
}
