// Waiting, in the benchmark, for a window to be painted.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace yuc::bench {

// Notes the first paint of any widget of a window.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch &) = delete;
    PaintWatch &operator=(const PaintWatch &) = delete;

    void wait()
    {
        for (int i = 0; !m_painted && i < 1000; ++i)
            QCoreApplication::processEvents();
        if (!m_painted)
            qFatal("%s was never painted", qPrintable(m_window->objectName()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};

} // namespace yuc::bench
