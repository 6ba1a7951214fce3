#include "shell/mainwindow.h"

#include "shell/menubar.h"
#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace yuc {

const MainWindow::Button MainWindow::buttons[9] = {
    {"Command7", "program_icon", "General Info about Aridisols", "", "aridic_charac"},
    {"Command3", "key", "Keys to Aridisols", "", "keys_to_aridisols"},
    {"Command4", "soil_profile", "Diagnostics Characteristics", "", "other_diagnos1"},
    {"Command6", "book", "Classif. System Explanation", "", "struct_class"},
    {"nopal", "cactus", "", "Subordinate distinctions within master horizons", "subhoriz_form"},
    {"Command16", "card_index", "Performs Classification", "", "Note_about"},
    {"Command5", "calculator", "Calculations: n-value, texture, etc.", "", "calculus_form"},
    {"Photo_cmd", "camera", "Aridisol Photos and Examples", "", "photos_1"},
    {"Command17", "stop", "End of Program", "", ""},
};

namespace {
MainWindow::ClientFactory &clientFactory()
{
    static MainWindow::ClientFactory factory;
    return factory;
}
} // namespace

void MainWindow::setClientFactory(ClientFactory factory)
{
    clientFactory() = std::move(factory);
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Soil Classification: Aridisols"));
    setAccessibleName(windowTitle());
    setWindowIcon(svgIcon(QStringLiteral(":/shell/program_icon.svg")));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    setBackground(central, Qt::white);
    setCentralWidget(central);

    auto *band = new QFrame(central);
    band->setObjectName(QStringLiteral("Shape1"));
    setBackground(band, colours::grey);
    band->setGeometry(-8, 0, 808, 57);

    auto *line = new QFrame(central);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, 0, 808, 1);

    QHash<QString, QPushButton *> byName;
    for (int i = 0; i < 9; ++i) {
        const Button &desc = buttons[i];
        auto *button = new QPushButton(central);
        button->setObjectName(QLatin1String(desc.control));
        button->setGeometry(8 + i * 40, 8, 41, 41);
        button->setIcon(svgIcon(QStringLiteral(":/shell/%1.svg").arg(QLatin1String(desc.picture))));
        button->setIconSize(QSize(32, 32));
        const QString tip = QString::fromLatin1(desc.tooltip);
        button->setToolTip(tip);
        button->setAccessibleName(tip.isEmpty() ? QString::fromLatin1(desc.description) : tip);
        const QString target = QString::fromLatin1(desc.target);
        connect(button, &QPushButton::clicked, this, [target] {
            if (target.isEmpty())
                ScreenManager::instance().end_program();
            else
                ScreenManager::instance().show_screen(target);
        });
        byName.insert(button->objectName(), button);
    }
    const char *tabOrder[] = {"Command16", "Command17", "Command4",  "Command5", "Command6",
                              "Command3",  "Command7",  "Photo_cmd", "nopal"};
    for (int i = 0; i + 1 < 9; ++i)
        setTabOrder(byName.value(QLatin1String(tabOrder[i])), byName.value(QLatin1String(tabOrder[i + 1])));

    if (clientFactory()) {
        auto *area = new QVBoxLayout(central);
        area->setContentsMargins(0, 57, 0, 0); // below the band
        QWidget *client = clientFactory()(central);
        area->addWidget(client);
        // Its controls follow the picture buttons, in the order it gave them.
        QWidgetList controls;
        for (QWidget *w = client->nextInFocusChain(); w != client; w = w->nextInFocusChain())
            if (client->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !controls.contains(w))
                controls << w;
        QWidget *previous = byName.value(QStringLiteral("nopal"));
        for (QWidget *control : std::as_const(controls))
            setTabOrder(std::exchange(previous, control), control);
    }

    buildMainMenu(menuBar());
    menuBar()->setObjectName(QStringLiteral("menu_bar"));

    central->setMinimumSize(792, 436);
    resize(792, 436 + menuBar()->sizeHint().height());
    byName.value(QStringLiteral("Command16"))->setFocus();
}

} // namespace yuc
