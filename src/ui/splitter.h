#pragma once
// The splitter handle between the entry list and the explanation editor, and
// its grip lines.
#include <QFrame>
#include <QWidget>

class Lexikon;

// The grip line "Sep", the only member (index 0) of its control group.
class Sep : public QFrame {
public:
    // A grip line with the given index in its group.
    Sep(int index, QWidget* parent);
    // A grip line with the design settings, index 0, registered as "Sep".
    explicit Sep(QWidget* parent = nullptr);
    int index() const { return m_index; }

private:
    int m_index = 0;
};

// Canvas1: draws nothing itself and passes the pointer to the window's handlers.
class SplitterHandle : public QWidget {
public:
    SplitterHandle(class Lexikon* window, QWidget* parent);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    class Lexikon* m_window;
};
