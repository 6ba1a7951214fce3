#pragma once

#include "model/keypaths.h"

#include <QObject>

class QWindow;

namespace yuc {

// Tells whoever listens which place of the key the user has come to: the key
// window that became the active window, or the result message just shown.
class PlaceTracker : public QObject
{
    Q_OBJECT
public:
    static PlaceTracker &instance();

    // The runner reports each result message before it shows it.
    void messageShown(const KeyPlace &place);
    KeyPlace current() const { return m_current; }

signals:
    void placeReached(const yuc::KeyPlace &place);

private:
    PlaceTracker();
    void windowActivated(QWindow *active);
    void reach(const KeyPlace &place);

    KeyPlace m_current;
    // The step that showed the last message: its coming back to the front
    // once the message is closed does not take the user away from the result.
    QString m_messageStep;
};

} // namespace yuc
