#include <QtTest>
class T : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_MAIN(T)
#include "test_search.moc"
