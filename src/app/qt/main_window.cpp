#include "app/qt/main_window.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>

#include "about/qt/about_window.h"
#include "about/qt/icons.h"
#include "app/input_dispatch.h"
#include "app/modes_table.h"
#include "app/qt/named_widget.h"
#include "app/qt/menu_shortcuts_first.h"
#include "app/qt/mode_label.h"
#include "app/qt/results_list_model.h"
#include "app/qt/twips.h"
#include "app/random_number.h"
#include "app/sizing_rule.h"
#include "app/startup.h"
#include "commands/list_commands.h"
#include "commands/print_list.h"
#include "commands/save_list.h"
#include "commands/settings_commands.h"
#include "platform/qt/line_edit_input_box.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_file_store.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_save_dialog.h"

namespace tavrel {
namespace {

QFont listFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent),
      vars_(startupVariables(QDir::currentPath().toStdString())),
      qtDialogs_(std::make_unique<QtDialogs>(this)),
      clipboard_(std::make_unique<QtClipboard>()),
      CommonDialog1(std::make_unique<QtSaveDialog>(this)),
      files_(std::make_unique<QtFileStore>()),
      qtPrinter_(std::make_unique<QtPrinter>(this)),
      saveDialog_(CommonDialog1.get()),
      printer_(qtPrinter_.get())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrel VI"));
    setWindowIcon(tavrelIcon());
    setAccessibleName(QStringLiteral("Tavrel VI"));
    buildControls();
    buildMenus();
    text1Box_ = std::make_unique<LineEditInputBox>(Text1);
    setDialogs(qtDialogs_.get());
    showMode(vars_.LastMode);
    Text1->setFocus();
}

Form1::~Form1() = default;

void Form1::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs;
    form_ = std::make_unique<Form>(Form{list_, *text1Box_, vars_, *dialogs_});
}

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const int clientWidth = twipsToPixels(this, kClientWidth);
    client->setFixedWidth(clientWidth);

    Label1 = named(new ModeLabel(client), "Label1");
    Label1->setGeometry(twipsRect(this, 0, 0, 1455, 255));
    Label1->setToolTip(QStringLiteral("Double-click here to generate random number"));
    connect(Label1, &ModeLabel::doubleClicked, this, &Form1::Label1_DblClick);

    Text1 = named(new QLineEdit(client), "Text1", tr("Input"));
    Text1->setGeometry(twipsRect(this, 1560, 0, 2055, 285));
    Text1->setFont(listFont());
    Text1->setToolTip(QStringLiteral("Input"));
    Text1->setMaxLength(32767 * 1024);  // no practical limit, as the box has none
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::Text1_Enter);

    cmdOK = named(new QPushButton(QStringLiteral("&OK"), client), "cmdOK");
    cmdOK->setGeometry(twipsRect(this, 3720, 0, 735, 375));
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &Form1::cmdOK_Click);

    List2 = named(new QListView(client), "List2", tr("Results"));
    List2->setGeometry(twipsRect(this, 0, 360, 4455, 2460));
    List2->setFont(listFont());
    List2->setUniformItemSizes(true);
    List2->setSelectionMode(QAbstractItemView::SingleSelection);
    List2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    model_ = new ResultsListModel(list_, this);
    List2->setModel(model_);
    // The selected entry is the highlighted line. The view's current line is
    // not enough: tabbing into the list makes the first line current without
    // highlighting it, and Ctrl+click takes the highlight off a line.
    connect(List2->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = List2->selectionModel()->selectedRows();
        list_.setSelectedIndex(rows.isEmpty() ? -1 : rows.first().row());
    });
    // A removed line leaves no line selected, rather than the view's
    // habit of moving the selection to a neighbour.
    auto unselect = [this] {
        List2->selectionModel()->clear();
        list_.setSelectedIndex(-1);
    };
    connect(model_, &QAbstractItemModel::modelReset, this, unselect);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, unselect);
    List2->raise();

    setTabOrder(Text1, List2);
    setTabOrder(List2, cmdOK);
    auto* shortcutsFirst = new MenuShortcutsFirst(this);
    for (QWidget* control : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(List2), static_cast<QWidget*>(cmdOK)})
        shortcutsFirst->watch(control);
    Label1->setFocusPolicy(Qt::NoFocus);
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setAccessibleName(tr("Menu bar"));
    auto action = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        menu->addAction(a);
        return a;
    };
    auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };

    QMenu* mnuWin = menu("mnuWin", QStringLiteral("&Window"));
    connect(action(mnuWin, "mnuMin", QStringLiteral("&Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, this, &Form1::mnuMin_Click);
    connect(action(mnuWin, "mnuExit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(action(mnuWin, "mnuAbout", QStringLiteral("&Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            &Form1::mnuAbout_Click);

    QMenu* mnuMode = menu("mnuMode", QStringLiteral("&Mode"));
    for (int i = 0; i < 5; ++i) {
        QAction* a = action(mnuMode, "mnuMode1", QString::fromUtf8(kModeCaptions[i].data(), kModeCaptions[i].size()),
                            QKeySequence(Qt::Key_F2 + i));
        a->setObjectName(QStringLiteral("mnuMode1_%1").arg(i));
        a->setCheckable(true);
        a->setEnabled(isModeEnabled(i));
        a->setData(i);
        connect(a, &QAction::triggered, this, [this, i] { mnuMode1_Click(i); });
        mnuMode1[static_cast<std::size_t>(i)] = a;
    }

    QMenu* mnuList = menu("mnuList", QStringLiteral("&List"));
    connect(action(mnuList, "mnuCopy", QStringLiteral("Copy selected &entry"), QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &Form1::mnuCopy_Click);
    connect(action(mnuList, "mnuDel", QStringLiteral("&Delete selected entry"), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, &Form1::mnuDel_Click);
    connect(action(mnuList, "mnuClear", QStringLiteral("Clear &list"), QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this, &Form1::mnuClear_Click);

    // Save and Print are commands on the bar itself.
    auto* mnuSave = new QAction(QStringLiteral("&Save"), this);
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    bar->addAction(mnuSave);
    connect(mnuSave, &QAction::triggered, this, &Form1::mnuSave_Click);
    auto* mnuPrint = new QAction(QStringLiteral("&Print"), this);
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    bar->addAction(mnuPrint);
    connect(mnuPrint, &QAction::triggered, this, &Form1::mnuPrint_Click);

    QMenu* mnuSetMain = menu("mnuSetMain", QStringLiteral("Se&ttings"));
    connect(action(mnuSetMain, "mnuRange", QStringLiteral("Define &Ranges"), QKeySequence(Qt::SHIFT | Qt::Key_F1)),
            &QAction::triggered, this, &Form1::mnuRange_Click);
    connect(action(mnuSetMain, "mnuSet", QStringLiteral("&Multiples"), QKeySequence(Qt::SHIFT | Qt::Key_F2)),
            &QAction::triggered, this, &Form1::mnuSet_Click);
}

void Form1::showMode(int mode)
{
    for (int k = 0; k < 5; ++k)
        mnuMode1[static_cast<std::size_t>(k)]->setChecked(k == mode);
    const std::string_view caption = kModeCaptions[static_cast<std::size_t>(mode)];
    Label1->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

template <class Run>
void Form1::runBusy(Run run)
{
    // The window cannot respond while a run lasts; the cursor says why.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    run();
    QGuiApplication::restoreOverrideCursor();
}

void Form1::Text1_Enter()
{
    runBusy([this] { tavrel::Text1_Enter(*form_); });
}

void Form1::cmdOK_Click()
{
    runBusy([this] { tavrel::cmdOK_Click(*form_); });
}

void Form1::Label1_DblClick()
{
    const double seconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    Text1->setText(QString::number(randomNumber(seconds)));
    Text1->setFocus();
}

void Form1::mnuMin_Click() { showMinimized(); }

void Form1::mnuExit_Click()
{
    if (about_)
        about_->close();
    close();
}

void Form1::mnuAbout_Click()
{
    about_ = showHelpBeside(*this, aboutValues_, vars_.WorkDir, about_);
}

void Form1::mnuMode1_Click(int index)
{
    tavrel::mnuMode1_Click(*form_, *this, index);
    showMode(vars_.LastMode);  // a refused change puts the tick back
}

void Form1::mnuCopy_Click()
{
    tavrel::mnuCopy_Click(list_, *clipboard_);
}

void Form1::mnuDel_Click() { tavrel::mnuDel_Click(*form_); }
void Form1::mnuClear_Click() { tavrel::mnuClear_Click(*form_); }
void Form1::mnuRange_Click() { tavrel::mnuRange_Click(*form_); }
void Form1::mnuSet_Click() { tavrel::mnuSet_Click(*form_); }
void Form1::mnuSave_Click() { tavrel::mnuSave_Click(*form_, *saveDialog_, *files_); }
void Form1::mnuPrint_Click() { tavrel::mnuPrint_Click(*form_, *printer_); }

void Form1::applySizing()
{
    if (isMinimized())
        return;
    QWidget* client = centralWidget();
    const int outerTwips = pixelsToTwips(this, client->height()) + kFrameHeight;
    const OuterGeometry g = applySizingRule(outerTwips);
    List2->resize(List2->width(), twipsToPixels(this, g.listHeight));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applySizing();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The designed client size is the smallest the window may get.
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumHeight(menuHeight + twipsToPixels(this, kClientHeight));
    setFixedWidth(twipsToPixels(this, kClientWidth));
    applySizing();
}

}  // namespace tavrel
