#include "ui/anchors.h"

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

Anchors::Anchors(QWidget* container, QSize designSize)
    : QObject(container), m_container(container), m_size(designSize)
{
    container->installEventFilter(this);
}

void Anchors::add(QWidget* control, const QRect& rect, int anchors)
{
    const Item item{rect, anchors};
    m_items.insert(control, item);
    apply(control, item);
}

QRect Anchors::geometry(QWidget* control) const
{
    return m_items.value(control).rect;
}

void Anchors::setGeometry(QWidget* control, const QRect& rect)
{
    auto it = m_items.find(control);
    if (it == m_items.end())
        return;
    it->rect = rect;
    apply(control, *it);
}

void Anchors::apply(QWidget* control, const Item& item)
{
    const QRect& r = item.rect;
    control->setGeometry(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height()));
}

bool Anchors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_container && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        const int dw = size.width() - m_size.width();
        const int dh = size.height() - m_size.height();
        m_size = size;
        if (dw != 0 || dh != 0) {
            for (auto it = m_items.begin(); it != m_items.end(); ++it) {
                QRect& r = it->rect;
                const int a = it->anchors;
                if ((a & AnchorLeft) && (a & AnchorRight))
                    r.setWidth(r.width() + dw);
                else if (a & AnchorRight)
                    r.translate(dw, 0);
                if ((a & AnchorTop) && (a & AnchorBottom))
                    r.setHeight(r.height() + dh);
                else if (a & AnchorBottom)
                    r.translate(0, dh);
                apply(it.key(), *it);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
