#pragma once
// Edge anchoring of controls placed by position and size: a control anchored
// to an edge keeps its distance to that edge of its container when the
// container is resized. Anchored left and right it stretches horizontally,
// top and bottom vertically; anchored only right or only bottom it moves.
#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

class Anchors : public QObject {
public:
    // designSize: the container size the controls' rectangles are given for.
    Anchors(QWidget* container, QSize designSize);

    void add(QWidget* control, const QRect& rect, int anchors);
    // The control's rectangle as the layout keeps it; it may be empty or
    // negative at sizes the layout was not made for, the control shown clamped.
    QRect geometry(QWidget* control) const;
    void setGeometry(QWidget* control, const QRect& rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item {
        QRect rect;
        int anchors;
    };
    void apply(QWidget* control, const Item& item);

    QWidget* m_container;
    QSize m_size;
    QHash<QWidget*, Item> m_items;
};
