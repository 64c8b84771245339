// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VariableCountManager.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QStringList entries(const QComboBox &box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

QList<int> announced(const QSignalSpy &spy)
{
    QList<int> counts;
    for (const QList<QVariant> &arguments : spy)
        counts << arguments.at(0).toInt();
    return counts;
}

} // namespace

class VariableCountManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAtFourWithFiveEntries();
    void userChoiceAnnouncesOnce();
    void loudUpdate_data();
    void loudUpdate();
    void silentUpdateAnnouncesNothing();
    void resetPassesThroughIntermediateCounts();
};

void VariableCountManagerTest::startsAtFourWithFiveEntries()
{
    VariableCountManager box;
    QCOMPARE(entries(box), QStringList({"2 ", "3 ", "4 ", "5 ", "6 "}));
    QCOMPARE(box.currentText(), QStringLiteral("4 "));
    QCOMPARE(box.statusTip(), QStringLiteral("Change the number of variables"));
    QCOMPARE(box.toolTip(), QString());
}

void VariableCountManagerTest::userChoiceAnnouncesOnce()
{
    VariableCountManager box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &VariableCountManager::signalUpdateVariableCount);

    QTest::keyClick(&box, Qt::Key_End);
    QCOMPARE(announced(spy), QList<int>{6});

    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(announced(spy), QList<int>({6, 5}));
}

void VariableCountManagerTest::loudUpdate_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int>>("announcements");

    QTest::newRow("six") << 6 << "6 " << QList<int>{6};
    QTest::newRow("two") << 2 << "2 " << QList<int>{2};
    QTest::newRow("current count is silent") << 4 << "4 " << QList<int>{};
    QTest::newRow("seven ignored") << 7 << "4 " << QList<int>{};
    QTest::newRow("one ignored") << 1 << "4 " << QList<int>{};
    QTest::newRow("negative ignored") << -1 << "4 " << QList<int>{};
}

void VariableCountManagerTest::loudUpdate()
{
    QFETCH(int, count);
    QFETCH(QString, shown);
    QFETCH(QList<int>, announcements);
    VariableCountManager box;
    QSignalSpy spy(&box, &VariableCountManager::signalUpdateVariableCount);

    box.slotUpdateVariableCount(count);

    QCOMPARE(box.currentText(), shown);
    QCOMPARE(announced(spy), announcements);
}

void VariableCountManagerTest::silentUpdateAnnouncesNothing()
{
    VariableCountManager box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &VariableCountManager::signalUpdateVariableCount);

    box.slotSilentUpdateVariableCount(3);
    QCOMPARE(box.currentText(), QStringLiteral("3 "));
    QVERIFY(spy.isEmpty());
    QVERIFY(!box.signalsBlocked());

    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(announced(spy), QList<int>{4});
}

// Receivers must cope with the passing counts; the last one is what holds.
void VariableCountManagerTest::resetPassesThroughIntermediateCounts()
{
    VariableCountManager box;
    box.slotUpdateVariableCount(6);
    QSignalSpy spy(&box, &VariableCountManager::signalUpdateVariableCount);

    box.slotReset();

    QCOMPARE(announced(spy), QList<int>({1, 2, 4}));
    QCOMPARE(entries(box), QStringList({"2 ", "3 ", "4 ", "5 ", "6 "}));
    QCOMPARE(box.currentIndex(), 2);
}

QTEST_MAIN(VariableCountManagerTest)
#include "VariableCountManagerTest.moc"
