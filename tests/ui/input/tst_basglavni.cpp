#include <QTest>
class tst_basGlavni : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_basGlavni)
#include "tst_basglavni.moc"
