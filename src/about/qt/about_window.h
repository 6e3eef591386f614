#pragma once

#include <QWidget>
#include <string>

#include "about/about_values.h"
#include "platform/qt/qt_shell.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

// The about window `frmAbout`: name, version and date, the getting-started
// text and two buttons into the maker's website. It never blocks the main
// window and is discarded when closed; the values it shows live on in the
// main window.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    // Runs the load sequence: the captions from `values`, then the help file
    // at values.ReadPath read into the viewer and deleted. The window is
    // left for the caller to place and show.
    explicit frmAbout(const AboutValues& values, QWidget* parent = nullptr);

    const std::string& baseUrl() const { return BaseURL; }

public slots:
    void cmd_quillo_Click();
    void cmd_Help_Click();

private:
    void buildControls();

    AboutValues values_;
    std::string BaseURL;
    QtShell shell_;

    QLabel* Picture1 = nullptr;
    QLabel* lblAbout = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCreator = nullptr;
    QLabel* lbldate = nullptr;
    QPushButton* cmd_quillo = nullptr;
    QPushButton* cmd_Help = nullptr;
    QPlainTextEdit* Text1 = nullptr;
};

// The Help command: closes `openAbout` if there is one, writes the help
// file for the about window, moves `main` to the left edge of its screen and
// shows a new about window beside it, level with its top. Returns the new
// window; the caller keeps it so that Exit can close it.
frmAbout* showHelpBeside(QWidget& main, AboutValues& values, const std::string& workDir, QWidget* openAbout);

}  // namespace tavrel
