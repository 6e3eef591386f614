// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

#include "about/about_values.h"
#include "gui/platform/qt_shell.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

// The about window: name, version and date, the getting-started
// text and two buttons into the maker's website. It never blocks the main
// window and is discarded when closed; the values it shows live on in the
// main window. A dialog, not a bare widget, so that screen readers announce it
// as a window and Escape closes it; it is shown without modality.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Runs the load sequence: the captions from `values`, then the help file
    // at values.readPath read into the viewer and deleted. The window is
    // left for the caller to place and show.
    explicit AboutWindow(const AboutValues& values, QWidget* parent = nullptr);

    const std::string& baseUrl() const { return baseUrl_; }

public slots:
    void openWebsite();
    void openOnlineHelp();

private:
    void buildControls();

    AboutValues values_;
    std::string baseUrl_;
    QtShell shell_;

    QLabel* icon_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* creator_ = nullptr;
    QLabel* releaseDate_ = nullptr;
    QPushButton* websiteButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

// The Help command: closes `openAbout` if there is one, writes the help
// file for the about window, moves `main` to the left edge of its screen and
// shows a new about window beside it, level with its top, or as near to that
// as the screen allows. The new window becomes the active one. Returns it;
// the caller keeps it so that Exit can close it.
AboutWindow* showHelpBeside(QWidget& main, AboutValues& values, const std::string& workDir, QWidget* openAbout);

}  // namespace tavrel
