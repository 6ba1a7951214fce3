#pragma once

#include <QWidget>

namespace yuc {

// `start_p`: the start screen, shown for three seconds before the main window.
class StartScreen : public QWidget
{
    Q_OBJECT
public:
    static constexpr int displayMilliseconds = 3000;
    explicit StartScreen(QWidget *parent = nullptr);

signals:
    // Once the window's content is on the screen: what the start screen does
    // not need can be prepared from here on.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Timer1_Timer();
    bool m_painted = false;
};

} // namespace yuc
