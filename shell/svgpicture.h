#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace yuc {

// A vector picture drawn from a compiled-in SVG, stretched to the widget, so
// it stays sharp at any device pixel ratio. Its description is read out by
// screen readers.
class SvgPicture : public QWidget
{
    Q_OBJECT
public:
    SvgPicture(const QString &resource, const QString &description, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_renderer;
};

// An icon rendered from a compiled-in SVG (sharp at any scale).
class QIcon svgIcon(const QString &resource);

} // namespace yuc
