#include "plots/frmGraphicsOutput.h"

#include "core/ComboFocus.h"
#include "core/Help_Stuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "plots/frmIO_Plots.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QV_REGISTER_FORM(frmGraphicsOutput)

using namespace Plots;

namespace {

const QString Title = QStringLiteral("Graphics Output");
const QString HelpKey = QStringLiteral("GP");
constexpr int MaxEntries = 10;
enum Type { NoType = 0, Hydrograph = 1, PeakFlow = 2, TimeAnalysis = 3 };
enum Mode { None = 1, Storms = 2, Alternates = 3, Locations = 4 };
enum Combo { StormCombo = 3, AlternateCombo = 4, SubAreaCombo = 5, ReachCombo = 6 };

QString trimmed(const QString &text) { return TextFile::trimBlanks(text); }

bool sameEntry(const QString &a, const QString &b) { return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0; }

// A group of options with no member chosen.
void clearGroup(QButtonGroup *group)
{
    if (!group)
        return;
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons()) {
        const QSignalBlocker block(b);
        b->setChecked(false);
    }
    group->setExclusive(true);
}

} // namespace

frmGraphicsOutput::frmGraphicsOutput() { setWindowTitle(Title); }

QComboBox *frmGraphicsOutput::Cmbinp(int index) const
{
    return findChild<QComboBox *>(QStringLiteral("Cmbinp_") + QString::number(index));
}

QListWidget *frmGraphicsOutput::List1() const { return list1_; }

void frmGraphicsOutput::buildControls(QWidget *central)
{
    movingByKey_ = false;
    auto *layout = new QGridLayout(central);

    auto label = [&](const QString &name, const QString &caption) {
        auto *l = new QLabel(caption, central);
        l->setObjectName(name);
        l->installEventFilter(this);
        return l;
    };
    auto frame = [&](const QString &name) {
        auto *f = new QGroupBox(central);
        f->setObjectName(name);
        new QVBoxLayout(f);
        return f;
    };
    auto options = [&](QGroupBox *f, const QString &array, const QStringList &captions, QButtonGroup *&group) {
        group = new QButtonGroup(f);
        for (int i = 0; i < captions.size(); ++i) {
            auto *b = new QRadioButton(captions[i], f);
            b->setObjectName(array + QLatin1Char('_') + QString::number(i + 1));
            f->layout()->addWidget(b);
            group->addButton(b, i + 1);
        }
    };

    lblHeader_ = label(QStringLiteral("lblHeader"), QStringLiteral("Graphics Output:"));
    QFont heading = lblHeader_->font();
    heading.setBold(true);
    lblHeader_->setFont(heading);
    layout->addWidget(lblHeader_, 0, 0, 1, 3);

    // Left: graphic type, multiple mode, peak-flow unit and classes.
    auto *left = new QVBoxLayout;
    QButtonGroup *group = nullptr;
    left->addWidget(label(QStringLiteral("lblInput_1"), QStringLiteral("Graphic Type")));
    QGroupBox *typeFrame = frame(QStringLiteral("Frame1_1"));
    options(typeFrame, QStringLiteral("opt1"),
            {QStringLiteral("Hydrograph"), QStringLiteral("Peak Flow"), QStringLiteral("Time Analysis")}, group);
    typeGroup_ = group;
    left->addWidget(typeFrame);

    left->addWidget(label(QStringLiteral("lblInput_2"), QStringLiteral("Multiple Hydrographs")));
    frameMode_ = frame(QStringLiteral("Frame1_2"));
    options(frameMode_, QStringLiteral("Opt2"),
            {QStringLiteral("None"), QStringLiteral("Storm"), QStringLiteral("Alternate"), QStringLiteral("Location")},
            group);
    modeGroup_ = group;
    left->addWidget(frameMode_);

    left->addWidget(label(QStringLiteral("FrameLabel_3"), QStringLiteral("Flow Units")));
    frameUnits_ = frame(QStringLiteral("Frame1_3"));
    options(frameUnits_, QStringLiteral("Opt3"), {QStringLiteral("cfs"), QStringLiteral("csm")}, group);
    unitGroup_ = group;
    left->addWidget(frameUnits_);

    left->addWidget(label(QStringLiteral("FrameLabel_4"), QStringLiteral("Locations")));
    frameClasses_ = frame(QStringLiteral("Frame1_4"));
    const QStringList classes{QStringLiteral("Sub-Area"), QStringLiteral("Reach"), QStringLiteral("Outlet")};
    for (int k = 1; k <= 3; ++k) {
        auto *box = new QCheckBox(classes[k - 1], frameClasses_);
        box->setObjectName(QStringLiteral("Chk4_") + QString::number(k));
        frameClasses_->layout()->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { UpdateDisplayButton(); });
    }
    left->addWidget(frameClasses_);
    left->addStretch();
    layout->addLayout(left, 1, 0);

    // Middle: storm, alternate and the location.
    auto *middle = new QGridLayout;
    const QStringList captions{QStringLiteral("Storm"), QStringLiteral("Alternate"), QStringLiteral("Sub-Area"),
                               QStringLiteral("Reach")};
    for (int i = StormCombo; i <= ReachCombo; ++i) {
        const int row = 2 * (i - StormCombo);
        middle->addWidget(label(QStringLiteral("lblInput_") + QString::number(i), captions[i - StormCombo]), row, 0);
        auto *combo = new QComboBox(central);
        combo->setObjectName(QStringLiteral("Cmbinp_") + QString::number(i));
        combo->setMinimumContentsLength(10);
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this, [this, i] { Cmbinp_Click(i); });
        middle->addWidget(combo, row + 1, 0);
    }
    frameEnds_ = frame(QStringLiteral("Frame1_6"));
    options(frameEnds_, QStringLiteral("Opt6"), {QStringLiteral("Upstream"), QStringLiteral("Downstream")}, group);
    endGroup_ = group;
    middle->addWidget(frameEnds_, 8, 0);
    auto *outletRow = new QHBoxLayout;
    chk7_ = new QCheckBox(central);
    chk7_->setObjectName(QStringLiteral("Chk7"));
    outletRow->addWidget(chk7_);
    outletRow->addWidget(label(QStringLiteral("lblInput_7"), QStringLiteral("Outlet")));
    outletRow->addStretch();
    middle->addLayout(outletRow, 9, 0);
    middle->setRowStretch(10, 1);
    layout->addLayout(middle, 1, 1);

    // Right: the multiple selection.
    auto *right = new QVBoxLayout;
    right->addWidget(label(QStringLiteral("lblInput_0"), QStringLiteral("Multiple Selected Items")));
    list1_ = new QListWidget(central);
    list1_->setObjectName(QStringLiteral("List1"));
    right->addWidget(list1_);
    listLabel_ = new QLabel(QStringLiteral("Click appropriate entry in Multiple list box to delete."), central);
    listLabel_->setObjectName(QStringLiteral("ListLabel"));
    listLabel_->setWordWrap(true);
    right->addWidget(listLabel_);
    layout->addLayout(right, 1, 2);

    txtHelp_ = new QPlainTextEdit(central);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setReadOnly(true);
    layout->addWidget(txtHelp_, 2, 0, 1, 3);

    auto *buttons = new QHBoxLayout;
    cmdPlot_ = new QPushButton(QStringLiteral("Display"), central);
    cmdPlot_->setObjectName(QStringLiteral("CmdPlot"));
    auto *cancel = new QPushButton(QStringLiteral("Close"), central);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch();
    buttons->addWidget(cmdPlot_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(typeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            opt1_Click(id);
    });
    connect(modeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Opt2_Click(id);
    });
    connect(unitGroup_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            UpdateDisplayButton();
    });
    connect(endGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Opt6_Click(id);
    });
    connect(chk7_, &QCheckBox::toggled, this, [this] { Chk7_Click(); });
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(list1_->row(item)); });
    connect(cmdPlot_, &QPushButton::clicked, this, &frmGraphicsOutput::CmdPlot_Click);
    connect(cancel, &QPushButton::clicked, this, &frmGraphicsOutput::cmdCancel_Click);
}

void frmGraphicsOutput::Form_Load()
{
    setWindowTitle(Title + QStringLiteral("   Current File - ") + Editglob::FileName);
    Help_Stuff::FormHelpKey = HelpKey;

    Globsubs::FillStormList(Cmbinp(StormCombo));
    QComboBox *alternates = Cmbinp(AlternateCombo);
    alternates->addItem(QString());
    Globsubs::FillAlternateList(alternates, true);
    Globsubs::FillSubAreaList(Cmbinp(SubAreaCombo));
    Globsubs::FillLocationList(Cmbinp(ReachCombo), true);
    for (int i = StormCombo; i <= ReachCombo; ++i)
        Cmbinp(i)->setCurrentIndex(-1);

    {
        const QSignalBlocker block(modeGroup_);
        modeGroup_->button(None)->setChecked(true);
    }
    // At opening only the graphic type, the heading and "Close" show.
    const QList<QWidget *> hidden{frameMode_, frameUnits_, frameClasses_, frameEnds_, chk7_, list1_, listLabel_,
                                  txtHelp_, cmdPlot_};
    for (QWidget *w : hidden)
        w->hide();
    for (int i : {0, 2, 3, 4, 5, 6, 7})
        findChild<QLabel *>(QStringLiteral("lblInput_") + QString::number(i))->hide();
    for (int i : {3, 4})
        findChild<QLabel *>(QStringLiteral("FrameLabel_") + QString::number(i))->hide();
    for (int i = StormCombo; i <= ReachCombo; ++i)
        Cmbinp(i)->hide();
    // So few controls show at first that the caption would not.
    fitTitle();
}

bool frmGraphicsOutput::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded())
        return QvForm::eventFilter(watched, event);
    if (auto *l = qobject_cast<QLabel *>(watched); l && event->type() == QEvent::MouseButtonPress) {
        int id = -1;
        if (l == lblHeader_)
            id = 0;
        else if (l->objectName().startsWith(QLatin1String("lblInput_")))
            id = l->objectName().mid(9).toInt();
        if (id >= 0) {
            Help_Stuff::FormHelpKey = HelpKey;
            Help_Stuff::ShowHelp(id, this, txtHelp_, HelpKey);
        }
        return false;
    }
    if (auto *combo = qobject_cast<QComboBox *>(watched)) {
        const int index = combo->objectName().mid(7).toInt();
        switch (event->type()) {
        case QEvent::FocusOut:
            // The drop-down list holds the focus only while it is open.
            if (!movingByKey_ && ComboFocus::Leaves(combo, event))
                Cmbinp_LostFocus(index);
            break;
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            int ascii = 0;
            if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                if (key->key() == Qt::Key_Tab)
                    ascii = 9;
                else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                    ascii = 13;
            }
            if (ascii) {
                Cmbinp_KeyPress(index, ascii);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            Cmbinp_DblClick(index);
            return true;
        default:
            break;
        }
    }
    return QvForm::eventFilter(watched, event);
}

int frmGraphicsOutput::graphicType() const { return typeGroup_ ? std::max(0, typeGroup_->checkedId()) : 0; }

int frmGraphicsOutput::multipleMode() const
{
    const int id = modeGroup_ ? modeGroup_->checkedId() : -1;
    return id < 1 ? None : id;
}

bool frmGraphicsOutput::chosen(int combo) const
{
    const QComboBox *c = Cmbinp(combo);
    return c && c->currentIndex() >= 0;
}

QString frmGraphicsOutput::comboText(int combo) const
{
    const QComboBox *c = Cmbinp(combo);
    return c ? c->currentText() : QString();
}

void frmGraphicsOutput::unchoose(int combo)
{
    if (QComboBox *c = Cmbinp(combo))
        c->setCurrentIndex(-1);
}

void frmGraphicsOutput::setOutlet(bool ticked)
{
    // Changing the box runs its handler, as a click does.
    chk7_->setChecked(ticked);
}

void frmGraphicsOutput::showReachEnds(bool shown) { frameEnds_->setVisible(shown); }

void frmGraphicsOutput::opt1_Click(int Index)
{
    if (!isLoaded())
        return;
    list1_->hide();
    listLabel_->hide();
    findChild<QLabel *>(QStringLiteral("lblInput_0"))->hide();

    auto showLabel = [this](const QString &name, bool shown) { findChild<QLabel *>(name)->setVisible(shown); };
    auto label = [](int i) { return QStringLiteral("lblInput_") + QString::number(i); };
    const bool hydrograph = Index == Hydrograph, peak = Index == PeakFlow;
    showLabel(label(2), hydrograph);
    for (int i = 3; i <= 6; ++i) {
        const bool shown = !peak || i <= 4;
        showLabel(label(i), shown);
        Cmbinp(i)->setVisible(shown);
    }
    frameMode_->setVisible(hydrograph);
    frameUnits_->setVisible(peak);
    showLabel(QStringLiteral("FrameLabel_3"), peak);
    frameClasses_->setVisible(peak);
    showLabel(QStringLiteral("FrameLabel_4"), peak);
    showReachEnds(false);
    showLabel(label(7), !peak);
    chk7_->setVisible(!peak);

    if (hydrograph && multipleMode() != None)
        Opt2_Click(multipleMode());
    if (Index == TimeAnalysis && chosen(SubAreaCombo)) {
        unchoose(SubAreaCombo);
        unchoose(ReachCombo);
        setOutlet(false);
    }
    UpdateDisplayButton();
}

void frmGraphicsOutput::Opt2_Click(int Index)
{
    if (!isLoaded())
        return;
    list1_->clear();
    if (chk7_->isChecked()) {
        unchoose(SubAreaCombo);
        unchoose(ReachCombo);
        showReachEnds(false);
    }
    auto *caption = findChild<QLabel *>(QStringLiteral("lblInput_0"));
    if (Index == None) {
        list1_->hide();
        caption->hide();
        listLabel_->hide();
    } else {
        list1_->show();
        caption->show();
        listLabel_->show();
        caption->setText(Index == Storms       ? QStringLiteral("Multiple Storms")
                         : Index == Alternates ? QStringLiteral("Multiple Alternates")
                                               : QStringLiteral("Multiple Locations"));
        if (Index == Locations) {
            setOutlet(false);
            unchoose(SubAreaCombo);
            unchoose(ReachCombo);
        }
    }
    UpdateDisplayButton();
}

void frmGraphicsOutput::Cmbinp_LostFocus(int Index)
{
    if (!isLoaded())
        return;
    const int mode = graphicType() == Hydrograph ? multipleMode() : None;
    if ((Index == StormCombo && mode == Storms) || (Index == AlternateCombo && mode == Alternates)
        || (Index == SubAreaCombo && mode == Locations)) {
        bool ok = true;
        if (chosen(Index))
            UpdateMultipleList(1, comboText(Index), ok);
    }
    takeLocation(Index);
    UpdateDisplayButton();
}

void frmGraphicsOutput::Cmbinp_Click(int Index)
{
    if (!isLoaded())
        return;
    // The list takes the entry only when the combo is left, as before; the
    // location and "Display" follow the choice at once.
    takeLocation(Index);
    UpdateDisplayButton();
}

void frmGraphicsOutput::takeLocation(int Index)
{
    if (Index == SubAreaCombo) {
        setOutlet(false);
        unchoose(ReachCombo);
        showReachEnds(false);
    } else if (Index == ReachCombo) {
        setOutlet(false);
        const bool reach = !trimmed(comboText(ReachCombo)).isEmpty();
        if (reach)
            unchoose(SubAreaCombo);
        if (graphicType() != PeakFlow) {
            clearGroup(endGroup_);
            showReachEnds(reach);
        }
    }
}

void frmGraphicsOutput::Cmbinp_KeyPress(int Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    KeyAscii = 0;
    Cmbinp_LostFocus(Index);
    int next = Index == ReachCombo ? StormCombo : Index + 1;
    if (graphicType() == PeakFlow && Index == AlternateCombo)
        next = StormCombo;
    movingByKey_ = true;
    if (QComboBox *c = Cmbinp(next))
        c->setFocus(Qt::TabFocusReason);
    movingByKey_ = false;
}

void frmGraphicsOutput::Cmbinp_DblClick(int Index)
{
    Cmbinp_LostFocus(Index);
    movingByKey_ = true;
    if (QComboBox *c = Cmbinp(Index))
        c->setFocus(Qt::OtherFocusReason);
    movingByKey_ = false;
}

void frmGraphicsOutput::Chk7_Click()
{
    if (!isLoaded())
        return;
    const bool locations = graphicType() == Hydrograph && multipleMode() == Locations;
    if (chk7_->isChecked()) {
        if (locations) {
            bool ok = true;
            UpdateMultipleList(1, QStringLiteral("Outlet"), ok);
            if (!ok) {
                setOutlet(false);
                return;
            }
        }
        unchoose(SubAreaCombo);
        unchoose(ReachCombo);
        showReachEnds(false);
    } else if (locations) {
        bool ok = true;
        UpdateMultipleList(-1, QStringLiteral("Outlet"), ok);
    }
    UpdateDisplayButton();
}

void frmGraphicsOutput::Opt6_Click(int Index)
{
    if (!isLoaded())
        return;
    if (graphicType() == Hydrograph && multipleMode() == Locations) {
        bool ok = true;
        UpdateMultipleList(1,
                           comboText(ReachCombo)
                               + (Index == 1 ? QStringLiteral(" - Upstream") : QStringLiteral(" - Downstream")),
                           ok);
    }
    UpdateDisplayButton();
}

void frmGraphicsOutput::UpdateMultipleList(int Mode, const QString &Text, bool &OK)
{
    OK = true;
    if (Mode < 0) {
        for (int i = 0; i < list1_->count(); ++i)
            if (sameEntry(list1_->item(i)->text(), Text)) {
                delete list1_->takeItem(i);
                return;
            }
        return;
    }
    if (list1_->count() >= MaxEntries) {
        Dialogs::message(QStringLiteral("Maximum Multiple Selections exceeded - current selection ignored"),
                         Dialogs::Buttons::OK, Dialogs::Icon::None, QStringLiteral("Multiple Selections Exceeded"));
        OK = false;
        return;
    }
    for (int i = 0; i < list1_->count(); ++i)
        if (sameEntry(list1_->item(i)->text(), Text))
            return;
    list1_->addItem(Text);
}

void frmGraphicsOutput::List1_Click(int row)
{
    if (!isLoaded() || row < 0 || row >= list1_->count())
        return;
    const Dialogs::Answer answer = Dialogs::message(QStringLiteral("Delete Current selected item ?"),
                                                    Dialogs::Buttons::YesNo, Dialogs::Icon::Question, Title);
    if (answer == Dialogs::Answer::No)
        return;
    const QString removed = list1_->item(row)->text();
    delete list1_->takeItem(row);
    if (trimmed(removed) == QLatin1String("Outlet"))
        setOutlet(false);
    UpdateDisplayButton();
}

void frmGraphicsOutput::UpdateDisplayButton()
{
    if (!isLoaded())
        return;
    const int type = graphicType();
    const bool noLocation = !chosen(SubAreaCombo) && !chosen(ReachCombo) && !chk7_->isChecked();
    const bool reachWithoutEnd = chosen(ReachCombo) && endGroup_->checkedId() < 0;
    bool show = type != NoType && chosen(StormCombo);
    if ((type == Hydrograph || type == TimeAnalysis) && (noLocation || reachWithoutEnd))
        show = false;
    if (type == PeakFlow) {
        bool anyClass = false;
        for (int k = 1; k <= 3; ++k)
            anyClass = anyClass || findChild<QCheckBox *>(QStringLiteral("Chk4_") + QString::number(k))->isChecked();
        if (unitGroup_->checkedId() < 0 || !anyClass)
            show = false;
    }
    cmdPlot_->setVisible(show);
}

void frmGraphicsOutput::fillLocation(OutputSeries &s) const
{
    // A sub-area carries no qualifier: the model prints none on its location rows.
    if (!trimmed(comboText(SubAreaCombo)).isEmpty()) {
        s.location = comboText(SubAreaCombo);
    } else if (!trimmed(comboText(ReachCombo)).isEmpty()) {
        s.location = comboText(ReachCombo);
        s.qualifier = endGroup_->checkedId() == 1 ? QStringLiteral("Upstream") : QStringLiteral("Downstream");
    } else {
        s.location = QStringLiteral("Outlet");
    }
}

OutputRequest frmGraphicsOutput::buildRequest() const
{
    OutputRequest rq;
    const QString storm = comboText(StormCombo), alternate = comboText(AlternateCombo);
    switch (graphicType()) {
    case Hydrograph: {
        rq.kind = KindOutputHydrograph;
        const int mode = multipleMode();
        const int n = mode == None ? 1 : list1_->count();
        if (mode == Storms)
            rq.stormCount = n;
        if (mode == Alternates)
            rq.altCount = n;
        for (int i = 0; i < n; ++i) {
            const QString entry = mode == None ? QString() : list1_->item(i)->text();
            OutputSeries s;
            s.alternate = mode == Alternates ? entry : alternate;
            s.storm = mode == Storms ? entry : storm;
            if (mode == Locations) {
                const qsizetype dash = entry.lastIndexOf(QLatin1Char('-'));
                if (dash >= 0
                    && (trimmed(entry.right(10)) == QLatin1String("- Upstream")
                        || trimmed(entry.right(12)) == QLatin1String("- Downstream"))) {
                    s.location = trimmed(entry.left(dash));
                    s.qualifier = trimmed(entry.mid(dash + 1));
                } else {
                    s.location = entry;
                }
            } else {
                fillLocation(s);
            }
            rq.series.push_back(s);
        }
        break;
    }
    case PeakFlow: {
        rq.kind = KindPeakFlow;
        const char *const classes[] = {"Subarea", "Reach", "Outlet"};
        for (int k = 1; k <= 3; ++k)
            if (findChild<QCheckBox *>(QStringLiteral("Chk4_") + QString::number(k))->isChecked()) {
                OutputSeries s;
                s.storm = storm;
                s.alternate = alternate;
                s.location = QString::fromLatin1(classes[k - 1]);
                rq.series.push_back(s);
            }
        const bool cfs = unitGroup_->checkedId() == 1;
        rq.peakFlowUnit = cfs ? Editglob::OutFlowUnit : Editglob::OutDischargePerAreaUnit;
        if (rq.peakFlowUnit.isEmpty())
            rq.peakFlowUnit = unitGroup_->button(cfs ? 1 : 2)->text();
        break;
    }
    case TimeAnalysis: {
        rq.kind = KindTimeAnalysis;
        OutputSeries s;
        s.alternate = alternate;
        s.storm = storm;
        fillLocation(s);
        rq.series.push_back(s);
        break;
    }
    default:
        break;
    }
    return rq;
}

void frmGraphicsOutput::CmdPlot_Click()
{
    if (!isLoaded() || graphicType() == NoType)
        return;
    const OutputPlotSource source{Editglob::OutFileName, buildRequest(), Editglob::FileName, Editglob::OutFlowUnit,
                                 Editglob::OutAreaUnit};
    // A file that is missing or cannot be read gives the same message as one
    // without the requested tables: either way there is nothing to plot.
    const std::optional<PlotRequest> plot = ReadOutputPlot(source, request_);
    if (!plot) {
        Dialogs::message(QStringLiteral("No data for requested plot found"), Dialogs::Buttons::OK, Dialogs::Icon::None,
                         Title);
        return;
    }
    Forms::instance<frmIO_Plots>()->ShowOutputPlot(*plot, source);
}

void frmGraphicsOutput::cmdCancel_Click() { unload(); }
