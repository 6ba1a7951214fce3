#include "shell/about.h"

#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace yuc {

namespace {

const QString logo = QStringLiteral(":/shell/logo.svg");

// Who made the program: the project itself; no person is named.
const QString maker = QStringLiteral("The Yucarra project");
const QString contact = QStringLiteral("Questions and reports: the project's issue tracker");
const QString source = QStringLiteral("Source: the Yucarra project's repository");
const QString keysSite = QStringLiteral("https://www.nrcs.usda.gov");
const QString developedBy = QStringLiteral("Developed by the Yucarra project as a free teaching program.");
const QString supervisedBy = QStringLiteral("Reviewed by the project's maintainers.");
const QString madeAt = QStringLiteral("Made as an independent project, not at a university.");

QWidget *fixedWindow(const QString &caption, const QString &accessibleName, const QColor &background, QSize size)
{
    auto *window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setAccessibleName(accessibleName);
    setBackground(window, background);
    window->setFixedSize(size);
    return window;
}

// Adds a plain-text label to a column of the window.
QLabel *line(QBoxLayout *column, const char *name, const QString &text, Qt::Alignment alignment = Qt::AlignHCenter)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    column->addWidget(label);
    return label;
}

QPushButton *button(const char *name, const QString &caption, std::function<void()> action)
{
    auto *pushButton = new QPushButton(caption);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setMinimumWidth(96);
    QObject::connect(pushButton, &QPushButton::clicked, pushButton, std::move(action));
    return pushButton;
}

// Unloads the window the button belongs to, looked up when it is pressed.
std::function<void()> closes(const QString &screen)
{
    return [screen] { ScreenManager::instance().unload_screen(screen); };
}

QWidget *aboutWindow()
{
    QWidget *window = fixedWindow(QString(), QStringLiteral("About Yucarra"), colours::paleYellow, {336, 283});
    auto *column = new QVBoxLayout(window);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(2);

    auto *box = new QWidget;
    box->setObjectName(QStringLiteral("Shape1"));
    setBackground(box, Qt::white);
    auto *boxColumn = new QVBoxLayout(box);
    boxColumn->setContentsMargins(4, 6, 4, 6);
    auto *picture = new SvgPicture(logo, QStringLiteral("Yucarra"));
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(200, 47);
    boxColumn->addWidget(picture, 0, Qt::AlignHCenter);
    line(boxColumn, "Label2", QStringLiteral("A program for soils classification"));
    column->addWidget(box);
    column->addStretch();

    line(column, "Label3", QStringLiteral("By:"));
    line(column, "Label4", maker)->setFont(sansFont(8.25, true));
    line(column, "Label7", contact);
    line(column, "Label6", source);
    column->addStretch();
    line(column, "Label5",
         QStringLiteral(
             "This program is based on the book Keys to Soil Taxonomy, Soil Survey Staff, Sixth Edition, 1994."));
    QLabel *site = line(column, "Label1", keysSite);
    QPalette blue = site->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    site->setPalette(blue);
    site->setTextInteractionFlags(Qt::TextSelectableByMouse); // so it can be copied
    column->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button("Command1", QStringLiteral("More Info"),
                              [] { ScreenManager::instance().show_screen(QStringLiteral("More_info")); }));
    buttons->addStretch();
    buttons->addWidget(button("About_form_btncommand", QStringLiteral("Close"), closes(QStringLiteral("About_form"))));
    column->addLayout(buttons);
    return window;
}

QWidget *moreInfoWindow()
{
    const QString caption = QStringLiteral("More Information about Yucarra...");
    QWidget *window = fixedWindow(caption, caption, Qt::white, {461, 314});
    auto *row = new QHBoxLayout(window);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);

    auto *pictures = new QVBoxLayout;
    auto *small = new SvgPicture(logo, QStringLiteral("Yucarra"));
    small->setObjectName(QStringLiteral("Image2"));
    small->setFixedSize(135, 33);
    pictures->addWidget(small);
    pictures->addSpacing(10);
    auto *profile =
        new SvgPicture(QStringLiteral(":/shell/profile_column.svg"),
                       QStringLiteral("A soil profile drawn as a column of green bands marked Oi, A, E, Bhs and C"));
    profile->setObjectName(QStringLiteral("Image1"));
    profile->setFixedSize(72, 209);
    pictures->addWidget(profile, 0, Qt::AlignHCenter);
    pictures->addStretch();
    row->addLayout(pictures);

    auto *right = new QVBoxLayout;
    auto *box = new QWidget;
    box->setObjectName(QStringLiteral("Shape1"));
    setBackground(box, colours::paleYellow);
    auto *texts = new QVBoxLayout(box);
    texts->setContentsMargins(8, 8, 8, 8);
    texts->setSpacing(6);
    line(
        texts, "Label1",
        QStringLiteral(
            "This Program was developed as a special topic in Agronomy. As a result, the program is not a complete guide for soils classification. It can be used as a teaching tool for agronomy students to learn and understand about the soils classification system."),
        Qt::AlignLeft);
    line(
        texts, "Label2",
        QStringLiteral(
            "This program does not attempt to replace the soil survey staff's book, however, it can be used as a guide to understand the classification process for Aridisols."),
        Qt::AlignLeft);
    line(texts, "Label3", developedBy, Qt::AlignLeft);
    line(texts, "Label6", supervisedBy, Qt::AlignLeft);
    line(texts, "Label4", madeAt, Qt::AlignLeft);
    texts->addStretch();
    line(texts, "Label5", QStringLiteral("Fall, 1996."));
    right->addWidget(box, 1);
    right->addWidget(button("Command1", QStringLiteral("Close"), closes(QStringLiteral("More_info"))), 0,
                     Qt::AlignRight);
    row->addLayout(right, 1);
    return window;
}

} // namespace

void registerAboutScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("About_form"), aboutWindow);
    manager.registerScreen(QStringLiteral("More_info"), moreInfoWindow);
}

} // namespace yuc
