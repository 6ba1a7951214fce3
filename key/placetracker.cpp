#include "key/placetracker.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace yuc {

PlaceTracker &PlaceTracker::instance()
{
    static PlaceTracker tracker;
    return tracker;
}

PlaceTracker::PlaceTracker()
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &PlaceTracker::windowActivated);
}

void PlaceTracker::windowActivated(QWindow *active)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [active](const QWidget *w) { return active && w->windowHandle() == active; });
    if (it == windows.end())
        return;
    const QString form = (*it)->objectName();
    const KeyModel &model = KeyPaths::instance().model();
    const KeyPlace place = model.step(form)     ? KeyPlace::step(form)
                           : model.screen(form) ? KeyPlace::screen(form)
                                                : KeyPlace();
    if (!place.isValid())
        return; // a message box, the main window or any other window
    if (form == std::exchange(m_messageStep, QString()) && place.kind == KeyPlace::Kind::Step)
        return;
    reach(place);
}

void PlaceTracker::messageShown(const KeyPlace &place)
{
    reach(place);
    m_messageStep = place.form;
}

void PlaceTracker::reach(const KeyPlace &place)
{
    // Reported again when the same window comes back to the front: the
    // listener may have shown something else meanwhile.
    m_current = place;
    emit placeReached(place);
}

} // namespace yuc
