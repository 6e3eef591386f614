// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "about/about_values.h"
#include "app/mode_switching.h"
#include "state/results_list.h"
#include "state/settings.h"
#include "state/window.h"

class QAction;
class QLineEdit;
class QListView;
class QPushButton;

namespace tavrel {

class Clipboard;
class LineEditInputBox;
class ModeLabel;
class Printer;
class ResultsListModel;
class SaveDialog;
class TextFileStore;

// The platform parts the main window talks through. Any left empty is the
// real one: Qt's message boxes, file dialog, default printer and clipboard.
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
    Window& window() { return *window_; }
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
    QListView* listView_ = nullptr;
    ResultsListModel* model_ = nullptr;
    std::array<QAction*, 5> modeActions_{};
    std::unique_ptr<LineEditInputBox> input_;
    std::unique_ptr<Window> window_;
    QPointer<QWidget> about_;
};

}  // namespace tavrel
