#pragma once

#include <QMainWindow>

#include <functional>

namespace yuc {

// `mainmenu`: the hub of the program, a toolbar band of picture buttons and
// the menu bar of the reference library.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    struct Button {
        const char *control;
        const char *picture;
        const char *tooltip;
        const char *description; // read out where there is no tooltip
        const char *target;      // screen to show; empty for "End of Program"
    };
    static const Button buttons[9];

    // What fills the white client area below the toolbar band: made for each
    // new main window, placed after the picture buttons in the tab order.
    using ClientFactory = std::function<QWidget *(QWidget *parent)>;
    static void setClientFactory(ClientFactory factory);
};

} // namespace yuc
