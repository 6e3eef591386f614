// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "about/about_values.h"
#include "app/mode_switching.h"
#include "modes/mode_table.h"
#include "state/results_list.h"
#include "state/settings.h"
#include "state/command_context.h"

class QAction;
class QLineEdit;
class QPushButton;

namespace tavrel {

class Clipboard;
class LineEditInputBox;
class ModeLabel;
class Printer;
class ResultsListModel;
class ResultsView;
class SaveDialog;
class TextFileStore;

// The platform parts a caller may hand the main window. Any left empty is
// the real one: Qt's message boxes, file dialog and default printer. The
// clipboard and the file store are always the real ones.
struct MainWindowServices {
    Dialogs* dialogs = nullptr;
    SaveDialog* saveDialog = nullptr;
    Printer* printer = nullptr;
};

// The main window: the input box, the OK button, the mode label, the results
// list and the menus, each handing its command to the core.
class MainWindow : public QMainWindow, private ModeIndicator {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Settings& settings() { return settings_; }
    ResultsList& list() { return list_; }
    // The about window the Help command opened last, while it is open.
    QWidget* aboutWindow() const { return about_; }

public slots:
    void onEnter();
    void onOk();
    void putRandomNumber();
    void minimize();
    void exit();
    void showHelp();
    void chooseMode(tavrel::Mode mode);
    void copySelectedEntry();
    void deleteSelectedEntry();
    void clearList();
    void defineRanges();
    void setMultiples();
    void saveList();
    void printList();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void showMode(Mode mode) override;
    void applySizing();
    void fixSize();
    template <class Run>
    void runBusy(Run run);

    ResultsList list_;
    Settings settings_;
    // What the about window shows; set at start-up and kept for the whole run.
    AboutValues aboutValues_ = startupAboutValues();

    // The real platform parts, for the services not handed in.
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<SaveDialog> ownSaveDialog_;
    std::unique_ptr<Printer> ownPrinter_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<TextFileStore> files_;
    MainWindowServices services_;

    ModeLabel* modeLabel_ = nullptr;
    QLineEdit* inputEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    ResultsView* listView_ = nullptr;
    // Declared after list_, so that it stops observing the list before the
    // list is destroyed.
    std::unique_ptr<ResultsListModel> model_;
    std::array<QAction*, kModeTable.size()> modeActions_{};  // in menu order
    std::unique_ptr<LineEditInputBox> input_;
    std::unique_ptr<CommandContext> context_;
    QPointer<QWidget> about_;
};

}  // namespace tavrel
