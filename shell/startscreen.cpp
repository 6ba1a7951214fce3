#include "shell/startscreen.h"

#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QLabel>
#include <QTimer>

#include <utility>

namespace yuc {

namespace {
QLabel *centredLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    QLabel *label = plainLabel(QLatin1String(name), text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}
// The face a window font stands for, asked for by its own name and without
// fallback faces: the start screen's few lines are plain Latin text that the
// face holds, and looking up a face that is not installed, then the faces to
// fall back on, costs its first paint more than drawing it.
QFont installedFace(QFont font)
{
    font.setFamilies({QFont::substitute(font.family())});
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

StartScreen::StartScreen(QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    // No caption of its own; screen readers still need a name for it.
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Yucarra"));
    setBackground(this, colours::paleYellow);
    setFixedSize(476, 313);
    setFont(installedFace(font()));

    auto *plant =
        new SvgPicture(QStringLiteral(":/shell/start_plant.svg"),
                       QStringLiteral("A plant with its roots in a soil profile with A, B and Bt horizons"), this);
    plant->setObjectName(QStringLiteral("Image1"));
    plant->setGeometry(12, 16, 132, 280);

    auto *box = new QWidget(this);
    box->setObjectName(QStringLiteral("Shape1"));
    setBackground(box, Qt::white);
    box->setGeometry(164, 16, 296, 88);

    auto *logo = new SvgPicture(QStringLiteral(":/shell/logo.svg"), QStringLiteral("Yucarra"), box);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setGeometry((296 - 200) / 2, 8, 200, 47);
    centredLabel(box, "Label3", QStringLiteral("A program To classify Aridisols"), QRect(0, 60, 296, 20));

    centredLabel(this, "Label4", QStringLiteral("Developed by:"), QRect(164, 112, 296, 18));
    QLabel *author = centredLabel(this, "Label1", QStringLiteral("The Yucarra developers"), QRect(164, 130, 296, 22));
    author->setFont(installedFace(timesFont(12, true)));
    author->setStyleSheet(QStringLiteral("color: rgb(64,0,64)"));

    // The maker lines belong to the project itself; no person is named.
    const char *names[] = {"Label2", "Label5", "Label6", "Label7", "Label8", "Label9"};
    const QString lines[] = {
        QStringLiteral("Yucarra project, soil classification teaching software"),
        QStringLiteral("A free program for students of soil science"),
        QStringLiteral("Made to be used anywhere, on any desktop"),
        QStringLiteral("No telephone: questions go to the project's tracker"),
        QStringLiteral("E-mail: none; use the project's issue tracker"),
        QStringLiteral("Web: the Yucarra project's source repository"),
    };
    for (int i = 0; i < 6; ++i)
        centredLabel(this, names[i], lines[i], QRect(164, 156 + i * 22, 296, 20));

    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    timer->setInterval(displayMilliseconds);
    // Queued, so that the window is not unloaded while its timer is still
    // delivering the signal.
    connect(timer, &QTimer::timeout, this, &StartScreen::Timer1_Timer, Qt::QueuedConnection);
    timer->start();
}

void StartScreen::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (std::exchange(m_painted, true))
        return;
    // The icon's picture is read once the window's content is on the screen:
    // reading the first SVG icon loads the icon plugin, which would hold up
    // the first paint.
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(svgIcon(QStringLiteral(":/shell/floppy.svg")));
        emit firstPainted();
    });
}

void StartScreen::Timer1_Timer()
{
    auto &manager = ScreenManager::instance();
    manager.show_screen(QStringLiteral("start_p"));
    // The main window is shown before the start screen goes, so that the
    // program never has no window at all (that would end it).
    manager.show_screen(QStringLiteral("mainmenu"));
    manager.unload_screen(QStringLiteral("start_p"));
}

} // namespace yuc
