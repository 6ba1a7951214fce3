#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace yuc {

// The registry of every window of the program, keyed by form name. At most one
// instance of each exists; a window is created fresh on first show and
// destroyed, never hidden, when it is unloaded.
class ScreenManager : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;

    struct Options {
        bool centred = true;  // the on-load centring
        QString closesOnLoad; // unloaded before this screen is created
        // Asked before the user closes the window or ends the program; false
        // keeps it open (a window with unsaved edits asks the user first).
        std::function<bool()> mayClose = {};
    };

    static ScreenManager &instance();

    void registerScreen(const QString &name, Factory factory, Options options);
    void registerScreen(const QString &name, Factory factory) { registerScreen(name, std::move(factory), Options{}); }
    bool isRegistered(const QString &name) const { return m_factories.contains(name); }
    QStringList registeredScreens() const;

    // Creates the screen if needed, then shows it on top and active. Returns
    // the instance, or nullptr for a name nobody has registered yet.
    QWidget *show_screen(const QString &name);
    // Destroys the instance; a screen that is not loaded is left alone.
    void unload_screen(const QString &name);
    // Closes every window at once and ends the program; only a window that
    // holds unsaved edits may ask first, and keep the program running.
    void end_program();

    QWidget *screen(const QString &name) const;
    bool isLoaded(const QString &name) const { return screen(name) != nullptr; }
    QStringList loadedScreens() const;

    // Destroys every loaded screen without quitting (used between test cases).
    void unloadAll();
    // Deletes, now, every window this manager ever created that still exists:
    // those still loaded and those unloaded whose deferred deletion has not
    // run. Called once the event loop is over, when nothing else would.
    void destroyAll();

    // Centres a top-level window on its screen, frame included; a window
    // larger than the screen gets a negative offset.
    static void centre(QWidget *window);
    static QPoint centredPosition(const QSize &frameSize, const QRect &screen);

signals:
    void screenLoaded(const QString &name);
    void screenUnloaded(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScreenManager() = default;
    void forget(const QString &name, QObject *object);
    bool mayClose(const QString &name) const; // the screen's guard, if it has one

    struct Entry {
        Factory factory;
        Options options;
    };
    QHash<QString, Entry> m_factories;
    QHash<QString, QPointer<QWidget>> m_loaded;
    QList<QPointer<QWidget>> m_created; // pruned as windows go
};

} // namespace yuc
