#include <QtTest>

// Plays the real console program through its standard input, as a person at a terminal.
class TestTicTacToeConsole : public QObject {
    Q_OBJECT
private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };

    static Run play(const QByteArray& input, const QStringList& arguments = {"--no-pause"})
    {
        QProcess process;
        process.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin-tictactoe", arguments);
        Run run;
        if (!process.waitForStarted()) {
            run.err = process.errorString();
            return run;
        }
        process.write(input);
        process.closeWriteChannel();
        // A guard against a hang, not a measure: the program answers at once.
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            run.err = "the program did not end";
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err += QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    static void checkInOrder(const QString& out, const QStringList& parts)
    {
        qsizetype at = 0;
        for (const QString& part : parts) {
            const qsizetype found = out.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable("missing in order: " + part + "\n" + out));
            at = found + part.size();
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("SPROUT_BIN_DIR").isEmpty(), "run through CTest");
    }

    void scriptedGameIsWonByTheComputer()
    {
        const Run run = play("1\n2\n7\n9\nn\n");
        QCOMPARE(run.exitCode, 0);
        checkInOrder(run.out, {"The computer plays 5.", "The computer plays 3.",
                               "The computer plays 4.", "The computer plays 6.",
                               "[O]|[O]|[O]", "\nThe Computer Wins!\n", "Play again?",
                               "Goodbye."});
        QCOMPARE(run.out.count("The computer plays"), 4);
    }

    void centreOpeningDrawsFromTheProgramsRandomSource()
    {
        // The first draw of a fresh program is 0.7055..., the corner cell 7.
        const Run run = play("5\nq\n");
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("The computer plays 7."), qPrintable(run.out));
    }

    void anotherGameOnRequest()
    {
        const Run run = play("1\n2\n7\n9\nmaybe\ny\n1\nn\n");
        QCOMPARE(run.exitCode, 0);
        checkInOrder(run.out, {"A new game.", "The Computer Wins!", "Play again?",
                               "Please type y for another game or n to stop.", "Play again?",
                               "A new game.", "The computer plays 5.", "Goodbye."});
        QCOMPARE(run.out.count("A new game."), 2);
    }

    void garbageIsRejectedAndTheGameGoesOn_data()
    {
        QTest::addColumn<QByteArray>("garbage");
        QTest::newRow("word") << QByteArray("abc");
        QTest::newRow("empty line") << QByteArray("");
        QTest::newRow("blanks") << QByteArray("   \t ");
        QTest::newRow("zero") << QByteArray("0");
        QTest::newRow("ten") << QByteArray("10");
        QTest::newRow("negative") << QByteArray("-1");
        QTest::newRow("two numbers") << QByteArray("4 6");
        QTest::newRow("fraction") << QByteArray("1.0");
        QTest::newRow("huge") << QByteArray("99999999999999999999999999999999");
        QTest::newRow("control bytes") << QByteArray("\x01\x02\xff\xfe", 4);
        QTest::newRow("nul byte") << QByteArray("3\0", 2);
        QTest::newRow("long line") << QByteArray(100000, '7');
    }
    void garbageIsRejectedAndTheGameGoesOn()
    {
        QFETCH(QByteArray, garbage);
        const Run run = play(garbage + "\n1\nq\n");
        QCOMPARE(run.exitCode, 0);
        checkInOrder(run.out, {"Your move (1 to 9): That is not a cell number. Please type one "
                               "number from 1 to 9.\nYour move (1 to 9): The computer plays 5.",
                               "Goodbye."});
        QCOMPARE(run.out.count("The computer plays"), 1);
    }

    void cellNumberWithBlanksAroundIsAccepted()
    {
        const Run run = play("  1 \r\nq\n");
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("The computer plays 5."), qPrintable(run.out));
    }

    void takenCellIsRejected()
    {
        const Run run = play("1\n1\n5\n2\nq\n");
        QCOMPARE(run.exitCode, 0);
        checkInOrder(run.out, {"The computer plays 5.", "Cell 1 is already taken. Please choose a free cell.",
                               "Cell 5 is already taken. Please choose a free cell.",
                               "The computer plays 3."});
        // The computer never got a move for the taken cells.
        QCOMPARE(run.out.count("The computer plays"), 2);
    }

    void endOfInputEndsThePlayQuietly_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("nothing at all") << QByteArray();
        QTest::newRow("in the middle of a game") << QByteArray("1\n");
        QTest::newRow("unfinished line") << QByteArray("1\n2");
        QTest::newRow("at the play-again question") << QByteArray("1\n2\n7\n9\n");
    }
    void endOfInputEndsThePlayQuietly()
    {
        QFETCH(QByteArray, input);
        const Run run = play(input);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.endsWith("Goodbye.\n"), qPrintable(run.out));
        QCOMPARE(run.err, QString());
    }

    void unknownOptionIsNamed()
    {
        const Run run = play("", {"--fast"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("unknown option '--fast'"), qPrintable(run.err));
    }
};

QTEST_APPLESS_MAIN(TestTicTacToeConsole)
#include "tst_tictactoeconsole.moc"
