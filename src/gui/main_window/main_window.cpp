// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window/main_window.h"

#include <QAction>
#include <QDir>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>
#include <QTimer>
#include <algorithm>

#include "app/input_dispatch.h"
#include "app/random_number.h"
#include "app/sizing_rule.h"
#include "app/startup.h"
#include "commands/list_commands.h"
#include "commands/print_list.h"
#include "commands/save_list.h"
#include "commands/settings_commands.h"
#include "modes/mode_table.h"
#include "gui/about_window/about_window.h"
#include "gui/common/icons.h"
#include "gui/common/named_widget.h"
#include "gui/common/twips.h"
#include "gui/main_window/menu_shortcuts_first.h"
#include "gui/main_window/mode_label.h"
#include "gui/main_window/results_list_model.h"
#include "gui/main_window/results_view.h"
#include "gui/platform/line_edit_input_box.h"
#include "gui/platform/qt_clipboard.h"
#include "gui/platform/qt_dialogs.h"
#include "gui/platform/qt_file_store.h"
#include "gui/platform/qt_printer.h"
#include "gui/platform/qt_save_dialog.h"

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

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      settings_(startupSettings(QDir::currentPath().toStdString())),
      clipboard_(std::make_unique<QtClipboard>()),
      files_(std::make_unique<QtFileStore>(this)),
      services_(services)
{
    if (!services_.dialogs)
        services_.dialogs = (ownDialogs_ = std::make_unique<QtDialogs>(this)).get();
    if (!services_.saveDialog)
        services_.saveDialog = (ownSaveDialog_ = std::make_unique<QtSaveDialog>(this)).get();
    if (!services_.printer)
        services_.printer = (ownPrinter_ = std::make_unique<QtPrinter>(this)).get();
    setObjectName(QStringLiteral("Form1"));
    // No maximising: the width is fixed, and a window manager that maximises
    // anyway (metacity does) would stretch the frame around the fixed-width
    // controls.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tavrel VI"));
    setWindowIcon(tavrelIcon());
    setAccessibleName(QStringLiteral("Tavrel VI"));
    buildControls();
    buildMenus();
    input_ = std::make_unique<LineEditInputBox>(inputEdit_);
    context_ = std::make_unique<CommandContext>(CommandContext{list_, *input_, settings_, *services_.dialogs});
    showMode(settings_.mode);
    inputEdit_->setFocus();
}

MainWindow::~MainWindow()
{
    // The view outlives this body (Qt deletes children later); the model
    // must go first, while the list it observes still exists.
    listView_->setModel(nullptr);
    model_.reset();
}

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const int clientWidth = twipsToPixels(this, kClientWidth);
    client->setFixedWidth(clientWidth);

    modeLabel_ = named(new ModeLabel(client), "Label1");
    modeLabel_->setGeometry(twipsRect(this, 0, 0, 1455, 255));
    modeLabel_->setToolTip(QStringLiteral("Double-click here to generate random number"));
    connect(modeLabel_, &ModeLabel::doubleClicked, this, &MainWindow::putRandomNumber);

    inputEdit_ = named(new QLineEdit(client), "Text1", tr("Input"));
    inputEdit_->setGeometry(twipsRect(this, 1560, 0, 2055, 285));
    inputEdit_->setFont(listFont());
    inputEdit_->setToolTip(QStringLiteral("Input"));
    inputEdit_->setMaxLength(32767 * 1024);  // no practical limit, as the box has none
    connect(inputEdit_, &QLineEdit::returnPressed, this, &MainWindow::onEnter);

    okButton_ = named(new QPushButton(QStringLiteral("&OK"), client), "cmdOK");
    okButton_->setGeometry(twipsRect(this, 3720, 0, 735, 375));
    // Return and Enter press the button while it has the focus. It is never
    // the window's default button: Enter typed in the input box is the input
    // box's alone (a main window, unlike a dialog, passes it to no button).
    okButton_->setAutoDefault(true);
    okButton_->setDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &MainWindow::onOk);

    listView_ = named(new ResultsView(client), "List2", tr("Results"));
    listView_->setGeometry(twipsRect(this, 0, 360, 4455, 2460));
    listView_->setFont(listFont());
    model_ = std::make_unique<ResultsListModel>(list_);
    listView_->setModel(model_.get());
    connect(listView_, &ResultsView::copyRequested, this, &MainWindow::copySelectedEntry);
    // The selected entry is the highlighted line. The view's current line is
    // not enough: tabbing into the list makes the first line current without
    // highlighting it, and Ctrl+click takes the highlight off a line.
    connect(listView_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = listView_->selectionModel()->selectedRows();
        list_.setSelectedIndex(rows.isEmpty() ? -1 : rows.first().row());
    });
    // A removed line leaves no line selected, rather than the view's habit
    // of moving the highlight to a neighbour. The neighbour stays current,
    // so the arrow keys go on from where the user was.
    connect(model_.get(), &QAbstractItemModel::modelReset, this, [this] {
        listView_->selectionModel()->clear();
        list_.setSelectedIndex(-1);
    });
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, [this] {
        listView_->selectionModel()->clearSelection();
        list_.setSelectedIndex(-1);
    });
    listView_->raise();

    setTabOrder(inputEdit_, listView_);
    setTabOrder(listView_, okButton_);
    auto* shortcutsFirst = new MenuShortcutsFirst(this);
    for (QWidget* control : std::initializer_list<QWidget*>{inputEdit_, listView_, okButton_})
        shortcutsFirst->watch(control);
    modeLabel_->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setAccessibleName(tr("Menu bar"));
    // objectNames are the names automation finds the menus and commands by.
    auto command = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                          void (MainWindow::*run)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        menu->addAction(a);
        if (run)
            connect(a, &QAction::triggered, this, run);
        return a;
    };
    auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };

    QMenu* windowMenu = menu("mnuWin", QStringLiteral("&Window"));
    command(windowMenu, "mnuMin", QStringLiteral("&Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M),
            &MainWindow::minimize);
    command(windowMenu, "mnuExit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::exit);
    command(windowMenu, "mnuAbout", QStringLiteral("&Help"), QKeySequence(Qt::Key_F1), &MainWindow::showHelp);

    QMenu* modeMenu = menu("mnuMode", QStringLiteral("&Mode"));
    for (std::size_t position = 0; position < kModeTable.size(); ++position) {
        const ModeRow& row = kModeTable[position];
        QAction* a = command(modeMenu, "",
                             QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())),
                             QKeySequence(Qt::Key_F1 + (row.functionKey - 1)), nullptr);
        // Automation knows the items by their place in the menu.
        a->setObjectName(QStringLiteral("mnuMode1_%1").arg(position));
        a->setCheckable(true);
        a->setEnabled(isSelectable(row.mode));
        connect(a, &QAction::triggered, this, [this, mode = row.mode] { chooseMode(mode); });
        modeActions_[position] = a;
    }

    QMenu* listMenu = menu("mnuList", QStringLiteral("&List"));
    command(listMenu, "mnuCopy", QStringLiteral("Copy selected &entry"), QKeySequence(Qt::CTRL | Qt::Key_E),
            &MainWindow::copySelectedEntry);
    command(listMenu, "mnuDel", QStringLiteral("&Delete selected entry"), QKeySequence(Qt::CTRL | Qt::Key_D),
            &MainWindow::deleteSelectedEntry);
    command(listMenu, "mnuClear", QStringLiteral("Clear &list"), QKeySequence(Qt::CTRL | Qt::Key_L),
            &MainWindow::clearList);

    // Save and Print are commands on the bar itself.
    auto barCommand = [this, bar](const char* name, const QString& caption, void (MainWindow::*run)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        bar->addAction(a);
        connect(a, &QAction::triggered, this, run);
    };
    barCommand("mnuSave", QStringLiteral("&Save"), &MainWindow::saveList);
    barCommand("mnuPrint", QStringLiteral("&Print"), &MainWindow::printList);

    QMenu* settingsMenu = menu("mnuSetMain", QStringLiteral("Se&ttings"));
    command(settingsMenu, "mnuRange", QStringLiteral("Define &Ranges"), QKeySequence(Qt::SHIFT | Qt::Key_F1),
            &MainWindow::defineRanges);
    command(settingsMenu, "mnuSet", QStringLiteral("&Multiples"), QKeySequence(Qt::SHIFT | Qt::Key_F2),
            &MainWindow::setMultiples);
}

void MainWindow::showMode(Mode mode)
{
    for (std::size_t position = 0; position < kModeTable.size(); ++position)
        modeActions_[position]->setChecked(kModeTable[position].mode == mode);
    const std::string_view caption = modeCaption(mode);
    modeLabel_->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

template <class Run>
void MainWindow::runBusy(Run run)
{
    // The window cannot respond while a run lasts; the cursor says why.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    run();
    QGuiApplication::restoreOverrideCursor();
}

void MainWindow::onEnter()
{
    runBusy([this] { pressEnter(*context_); });
}

void MainWindow::onOk()
{
    runBusy([this] { pressOk(*context_); });
}

void MainWindow::putRandomNumber()
{
    const double seconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    inputEdit_->setText(QString::number(randomNumber(seconds)));
    inputEdit_->setFocus();
}

void MainWindow::minimize() { showMinimized(); }

void MainWindow::exit()
{
    if (about_)
        about_->close();
    close();
}

void MainWindow::showHelp()
{
    AboutWindow* about = showHelpBeside(*this, aboutValues_, settings_.workDir, about_);
    about_ = about;
    // The about window's text tells the user to exit with Ctrl+T.
    about->addAction(findChild<QAction*>(QStringLiteral("mnuExit")));
    // Escape, the close box or Alt+F4: the keyboard returns to the control
    // that had it here. Left alone, the window manager may hand it to any
    // window, or to none.
    connect(about, &QDialog::finished, this, [this, about] {
        QWidget* active = QApplication::activeWindow();
        if (isVisible() && (!active || active == about))
            activateWindow();
    });
}

void MainWindow::chooseMode(Mode mode)
{
    tavrel::chooseMode(*context_, *this, mode);
    showMode(settings_.mode);  // a refused change puts the tick back
}

void MainWindow::copySelectedEntry() { tavrel::copySelectedEntry(list_, *clipboard_); }
void MainWindow::deleteSelectedEntry() { tavrel::deleteSelectedEntry(*context_); }
void MainWindow::clearList() { tavrel::clearList(*context_); }
void MainWindow::defineRanges() { tavrel::defineRanges(*context_); }
void MainWindow::setMultiples() { tavrel::setMultiples(*context_); }
void MainWindow::saveList() { tavrel::saveList(*context_, *services_.saveDialog, *files_); }
void MainWindow::printList() { tavrel::printList(*context_, *services_.printer); }

void MainWindow::applySizing()
{
    if (isMinimized())
        return;
    QWidget* client = centralWidget();
    const int outerTwips = pixelsToTwips(this, client->height()) + kFrameHeight;
    const OuterGeometry g = applySizingRule(outerTwips);
    listView_->resize(listView_->width(), twipsToPixels(this, g.listHeight));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applySizing();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fixSize();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A desktop font or style of its own may come after the window is shown;
    // the menu bar is measured again once every widget has taken it.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                fixSize();
        });
}

void MainWindow::fixSize()
{
    // The designed client size is the smallest the window may get.
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumHeight(menuHeight + twipsToPixels(this, kClientHeight));
    // The width is fixed: the designed one, or, when a larger desktop font
    // needs it, just wide enough for every menu title to show. Qt would
    // otherwise hide the last titles behind an extension button nobody finds.
    setFixedWidth(std::max(twipsToPixels(this, kClientWidth), menuBar()->sizeHint().width()));
    applySizing();
}

}  // namespace tavrel
