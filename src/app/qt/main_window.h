#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "about/about_values.h"
#include "app/form.h"
#include "app/mode_switching.h"
#include "app/results_list.h"
#include "app/window_variables.h"
#include "platform/printer.h"
#include "platform/save_dialog.h"

class QAction;
class QLineEdit;
class QListView;
class QPushButton;

namespace tavrel {

class LineEditInputBox;
class ModeLabel;
class QtClipboard;
class QtDialogs;
class QtFileStore;
class QtPrinter;
class QtSaveDialog;
class ResultsListModel;

// The main window `Form1`: its controls, menus and variables, and the
// handlers that hand each command to the core.
class Form1 : public QMainWindow, private ModeIndicator {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    WindowVariables& vars() { return vars_; }
    ResultsList& list() { return list_; }
    Form& form() { return *form_; }
    // Lets tests and the about window's owner swap in other dialogs.
    void setDialogs(Dialogs* dialogs);
    // Save and Print go through these; tests put in their own.
    void setSaveDialog(SaveDialog* dialog) { saveDialog_ = dialog; }
    void setPrinter(Printer* printer) { printer_ = printer; }

    // The windows the Help command opens live beside the main one; Exit
    // closes them first.
    void setAboutWindow(QWidget* about) { about_ = about; }
    QWidget* aboutWindow() const { return about_; }
    // What the about window shows; set at start-up and kept for the whole run.
    AboutValues& aboutValues() { return aboutValues_; }

public slots:
    void Text1_Enter();
    void cmdOK_Click();
    void Label1_DblClick();
    void mnuMin_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuMode1_Click(int index);
    void mnuCopy_Click();
    void mnuDel_Click();
    void mnuClear_Click();
    void mnuRange_Click();
    void mnuSet_Click();
    void mnuSave_Click();
    void mnuPrint_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void showMode(int mode) override;
    void applySizing();
    template <class Run>
    void runBusy(Run run);

    ResultsList list_;
    WindowVariables vars_;
    std::unique_ptr<QtDialogs> qtDialogs_;
    std::unique_ptr<LineEditInputBox> text1Box_;
    std::unique_ptr<QtClipboard> clipboard_;
    std::unique_ptr<QtSaveDialog> CommonDialog1;
    std::unique_ptr<QtFileStore> files_;
    std::unique_ptr<QtPrinter> qtPrinter_;
    SaveDialog* saveDialog_ = nullptr;
    Printer* printer_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<Form> form_;

    ModeLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QListView* List2 = nullptr;
    ResultsListModel* model_ = nullptr;
    std::array<QAction*, 5> mnuMode1{};
    QPointer<QWidget> about_;
    AboutValues aboutValues_ = startupAboutValues();
};

}  // namespace tavrel
