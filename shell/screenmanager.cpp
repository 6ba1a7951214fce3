#include "shell/screenmanager.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace yuc {

ScreenManager &ScreenManager::instance()
{
    static ScreenManager manager;
    return manager;
}

void ScreenManager::registerScreen(const QString &name, Factory factory, Options options)
{
    m_factories.insert(name, Entry{std::move(factory), std::move(options)});
}

QStringList ScreenManager::registeredScreens() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

QWidget *ScreenManager::screen(const QString &name) const
{
    const auto it = m_loaded.constFind(name);
    return it == m_loaded.constEnd() ? nullptr : it->data();
}

QStringList ScreenManager::loadedScreens() const
{
    QStringList names;
    for (auto it = m_loaded.constBegin(); it != m_loaded.constEnd(); ++it)
        if (it.value())
            names << it.key();
    names.sort();
    return names;
}

QWidget *ScreenManager::show_screen(const QString &name)
{
    QWidget *window = screen(name);
    if (!window) {
        const auto it = m_factories.constFind(name);
        if (it == m_factories.constEnd())
            return nullptr;
        // A copy: the factory may register more screens and so move the entry.
        const Entry entry = it.value(); // NOLINT(performance-unnecessary-copy-initialization)
        if (!entry.options.closesOnLoad.isEmpty())
            unload_screen(entry.options.closesOnLoad);
        window = entry.factory();
        window->setObjectName(name);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        m_loaded.insert(name, window);
        m_created.removeAll(nullptr);
        m_created.append(window);
        connect(window, &QObject::destroyed, this, [this, name](QObject *object) { forget(name, object); });
        window->ensurePolished();
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize();
        if (entry.options.centred)
            centre(window);
        window->show();
        // Once shown, the frame is known: centre again on the whole window.
        if (entry.options.centred)
            centre(window);
        emit screenLoaded(name);
    }
    window->raise();
    window->activateWindow();
    return window;
}

void ScreenManager::forget(const QString &name, QObject *object)
{
    const auto it = m_loaded.find(name);
    if (it != m_loaded.end() && (it->isNull() || it->data() == object)) {
        m_loaded.erase(it);
        emit screenUnloaded(name);
    }
}

void ScreenManager::unload_screen(const QString &name)
{
    QWidget *window = screen(name);
    if (!window)
        return;
    // Forget it at once, so that a screen shown again in the same handler
    // comes back as a new instance; closing deletes it once control returns
    // to the event loop (it may be unloading itself from its own button).
    m_loaded.remove(name);
    window->removeEventFilter(this);
    emit screenUnloaded(name);
    window->close();
}

bool ScreenManager::eventFilter(QObject *watched, QEvent *event)
{
    // The window's own close box unloads it like its Cancel button would.
    if (event->type() == QEvent::Close) {
        for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
            if (it->data() == watched) {
                if (!mayClose(it.key())) {
                    event->ignore();
                    return true;
                }
                // A copy: erasing the entry ends the key it refers to.
                const QString name = it.key(); // NOLINT(performance-unnecessary-copy-initialization)
                m_loaded.erase(it);
                watched->removeEventFilter(this);
                emit screenUnloaded(name);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ScreenManager::mayClose(const QString &name) const
{
    const auto entry = m_factories.constFind(name);
    return entry == m_factories.constEnd() || !entry->options.mayClose || entry->options.mayClose();
}

void ScreenManager::unloadAll()
{
    const QStringList names = loadedScreens();
    for (const QString &name : names)
        unload_screen(name);
}

void ScreenManager::destroyAll()
{
    unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Whatever is left (a deletion posted to a loop that has ended) goes now.
    const QList<QPointer<QWidget>> created = std::exchange(m_created, {});
    for (const QPointer<QWidget> &window : created)
        delete window.data();
}

void ScreenManager::end_program()
{
    const QStringList loaded = loadedScreens();
    if (!std::all_of(loaded.begin(), loaded.end(), [this](const QString &name) { return mayClose(name); }))
        return;
    unloadAll();
    QCoreApplication::quit();
}

QPoint ScreenManager::centredPosition(const QSize &frameSize, const QRect &screen)
{
    // Integer halves as the original layout rules had them; negative when
    // the window is larger than the screen.
    return {screen.x() + (screen.width() - frameSize.width()) / 2,
            screen.y() + (screen.height() - frameSize.height()) / 2};
}

void ScreenManager::centre(QWidget *window)
{
    QScreen *scr = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!scr)
        return;
    // move() places a top-level window by its frame, so centre the frame.
    window->move(centredPosition(window->frameGeometry().size(), scr->geometry()));
}

} // namespace yuc
