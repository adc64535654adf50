// What one change of a quiz's result text does to its score box and award.
#include "quizscore.h"

#include <QtTest>

using sprout::QuizScore;

class TestQuizScore : public QObject {
    Q_OBJECT
private slots:
    void oneChange_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("awardDue");
        QTest::newRow("no number counts as 0") << "abc" << "correct" << "1" << false;
        QTest::newRow("any letter case") << "3" << "CoRRECT" << "4" << false;
        QTest::newRow("wrong answer") << "3" << "Sorry, try again " << "3" << false;
        QTest::newRow("trailing blank is another text") << "3" << "correct " << "3" << false;
        QTest::newRow("nine to ten opens the award") << "9" << "correct" << "10" << true;
        QTest::newRow("new question at ten opens it again") << "10" << "" << "10" << true;
        QTest::newRow("ten only as the exact text") << "010" << "" << "010" << false;
        QTest::newRow("not between them") << "20" << "correct" << "21" << false;
        QTest::newRow("no upper bound") << QString(30, '9') << "correct" << "1" + QString(30, '0') << true;
        QTest::newRow("leading zero") << "09" << "correct" << "10" << true;
    }
    void oneChange()
    {
        QFETCH(QString, before);
        QFETCH(QString, result);
        QFETCH(QString, after);
        QFETCH(bool, awardDue);
        QuizScore score(before.toStdString());
        QCOMPARE(score.resultChanged(result.toStdString()), before != after);
        QCOMPARE(QString::fromStdString(score.text()), after);
        QCOMPARE(score.awardDue(), awardDue);
    }
};

QTEST_GUILESS_MAIN(TestQuizScore)
#include "tst_quizscore.moc"
