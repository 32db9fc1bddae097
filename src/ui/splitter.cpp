#include "ui/splitter.h"

#include "ui/anchors.h"
#include "ui/lexikon.h"

#include <QMouseEvent>
#include <QTextEdit>
#include <QLabel>
#include <QTableView>

namespace {
void applyGripSettings(QFrame* line)
{
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
}
} // namespace

Sep::Sep(int index, QWidget* parent) : QFrame(parent), m_index(index)
{
    applyGripSettings(this);
}

Sep::Sep(QWidget* parent) : QFrame(parent), m_index(0)
{
    applyGripSettings(this);
    setObjectName(QStringLiteral("Sep"));
}

SplitterHandle::SplitterHandle(class Lexikon* window, QWidget* parent) : QWidget(parent), m_window(window)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(false);
}

void SplitterHandle::enterEvent(QEnterEvent*)
{
    m_window->Canvas1_MouseEnter();
}

void SplitterHandle::leaveEvent(QEvent*)
{
    m_window->Canvas1_MouseExit();
}

void SplitterHandle::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_window->Canvas1_MouseDown(p.x(), p.y()))
        event->accept();
    else
        event->ignore();
}

void SplitterHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const QPoint p = event->position().toPoint();
    m_window->Canvas1_MouseDrag(p.x(), p.y());
}

// --- the window's splitter handlers ------------------------------------------

void Lexikon::Canvas1_MouseEnter()
{
    Canvas1->setCursor(Qt::SizeVerCursor);
}

void Lexikon::Canvas1_MouseExit()
{
    Canvas1->setCursor(Qt::ArrowCursor);
}

bool Lexikon::Canvas1_MouseDown(qint64, qint64 y)
{
    alty = y;
    return true;
}

void Lexikon::Canvas1_MouseDrag(qint64, qint64 y)
{
    if (y == alty)
        return;
    hoeheanpassen(y - alty);
}

void Lexikon::hoeheanpassen(qint64 dy)
{
    Anchors& a = anchors();
    const qint64 top = a.geometry(Canvas1).top();
    const qint64 h = centralWidget()->height();
    const QRect editor = a.geometry(EditField2);
    // Every limit is strict, and a move that breaks one is refused whole.
    if (!(150 < top + dy && top + dy < h - 150 && editor.height() - dy > 50))
        return;
    const int d = int(dy);
    a.setGeometry(Canvas1, a.geometry(Canvas1).translated(0, d));
    QRect list = a.geometry(ListBox1);
    list.setHeight(list.height() + d);
    a.setGeometry(ListBox1, list);
    a.setGeometry(Label2, a.geometry(Label2).translated(0, d));
    a.setGeometry(Label3, a.geometry(Label3).translated(0, d));
    a.setGeometry(EditField2, QRect(editor.x(), editor.y() + d, editor.width(), editor.height() - d));
}
