#include <QtTest>

// Plays the real console program through its standard input, as a person at a terminal.
class TestTicTacToeConsole : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QString out, err;
    };
    static Run play(const QByteArray& input, const QStringList& arguments = {"--no-pause"})
    {
        QProcess process;
        process.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin-tictactoe", arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000)) { // a guard against a hang, not a measure
            process.kill();
            process.waitForFinished();
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    static void verifyInOrder(const Run& run, const QStringList& parts)
    {
        QCOMPARE(run.exitCode, 0);
        qsizetype at = 0;
        for (const QString& part : parts) {
            at = run.out.indexOf(part, at);
            QVERIFY2(at >= 0, qPrintable("missing in order: " + part + "\n" + run.out));
            at += part.size();
        }
    }

private slots:
    void gamesAgainstTheComputer()
    {
        verifyInOrder(play("5\nq\n"), {"The computer plays 7.", "Goodbye."}); // a fresh start draws corner 7
        verifyInOrder(play("1\n2\n7\n9\nmaybe\ny\n1\nn\n"),
                      {"A new game.", "The computer plays 5.", "The computer plays 3.",
                       "The computer plays 4.", "The computer plays 6.", "[O]|[O]|[O]",
                       "\nThe Computer Wins!\n", "Please type y for another game or n to stop.",
                       "A new game.", "The computer plays 5.", "Goodbye."});
        const Run wrong = play("", {"--fast"});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY2(wrong.err.contains("unknown option '--fast'"), qPrintable(wrong.err));
    }

    void takenCellIsRefusedAndTheTurnKept()
    {
        const Run run = play("1\n1\n5\n2\nq\n");
        verifyInOrder(run, {"The computer plays 5.", "Cell 1 is already taken. Please choose a free cell.",
                            "Cell 5 is already taken. Please choose a free cell.", "The computer plays 3."});
        QCOMPARE(run.out.count("The computer plays"), 2);
    }

    // Each line that is no cell number is refused on its own, and the game goes on.
    void garbageIsRefusedAndTheGameGoesOn()
    {
        const QList<QByteArray> garbage{"abc", "", "10", "4 6", QByteArray(30, '9'), QByteArray("3\0\x01\xff", 4),
                                        QByteArray(100000, '7')};
        const QString refusal = "Your move (1 to 9): That is not a cell number. Please type one number from 1 to 9.\n";
        verifyInOrder(play(garbage.join('\n') + "\n  1 \r\nq\n"),
                      {refusal.repeated(garbage.size()) + "Your move (1 to 9): The computer plays 5.", "Goodbye."});
    }

    // Input that ends before anything, in a game, at the play-again question.
    void endOfInputEndsQuietly()
    {
        for (const char* input : {"", "1\n2", "1\n2\n7\n9\n"}) {
            const Run run = play(input);
            QVERIFY2(!run.exitCode && run.out.endsWith("Goodbye.\n") && run.err.isEmpty(), qPrintable(run.out + run.err));
        }
    }
};

QTEST_APPLESS_MAIN(TestTicTacToeConsole)
#include "tst_tictactoeconsole.moc"
