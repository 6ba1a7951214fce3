#include "shell/svgpicture.h"

#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

namespace yuc {

SvgPicture::SvgPicture(const QString &resource, const QString &description, QWidget *parent)
    : QWidget(parent),
      m_renderer(new QSvgRenderer(resource, this))
{
    setAccessibleName(description);
    setAccessibleDescription(description);
    setToolTip(QString());
}

QSize SvgPicture::sizeHint() const
{
    return m_renderer->isValid() ? m_renderer->defaultSize() : QSize(32, 32);
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_renderer->render(&painter, QRectF(rect()));
}

QIcon svgIcon(const QString &resource)
{
    // QIcon's SVG engine renders at the requested size and device pixel ratio.
    // One icon per picture, shared by every button that shows it: a new icon
    // on every call would leave new entries in the picture cache each time a
    // window opens.
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(resource);
    if (it == icons.constEnd())
        it = icons.insert(resource, QIcon(resource));
    return *it;
}

} // namespace yuc
