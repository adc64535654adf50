#include "awardscreen.h"
#include "picturefile.h"
#include "pictures.h"
#include "programfolder.h"
#include "screentesting.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtEndian>
#include <QSignalSpy>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)

// The award screens as the child meets them. This computer is made to have no
// printer at all (the print system is pointed at a server that does not exist),
// so no press of "Print Award" here can put anything on paper: a press shows
// itself through the message that nothing was printed. Printing on a real queue
// is tst_awardprinting.
class TestAwards : public QObject {
    Q_OBJECT

    static constexpr ScreenId kAwards[] = {ScreenId::awardcolor, ScreenId::awardshape,
                                           ScreenId::awardword, ScreenId::awardmath};

    static const char* fileOf(ScreenId id)
    {
        switch (id) {
        case ScreenId::awardshape: return "shapesaward.bmp";
        case ScreenId::awardword: return "wordsaward.bmp";
        case ScreenId::awardmath: return "mathaward.bmp";
        default: return "coloraward.bmp";
        }
    }
    static QString certificateOf(ScreenId id)
    {
        switch (id) {
        case ScreenId::awardshape: return "certificate-shape";
        case ScreenId::awardword: return "certificate-word";
        case ScreenId::awardmath: return "certificate-math";
        default: return "certificate-color";
        }
    }
    static QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
    static QImage shownIn(Screen& award)
    {
        return rgb(award.control<QLabel>("Picture1")->pixmap().toImage());
    }
    static QString nameOf(const QWidget* widget)
    {
        return widget ? widget->objectName() : QString("(nothing)");
    }
    static void addAwardRows()
    {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : kAwards)
            QTest::newRow(screenName(id)) << id;
    }

    QTemporaryDir m_workDir;
    QString m_noPrinter;

private slots:
    void initTestCase()
    {
        QVERIFY(m_workDir.isValid());
        qputenv("CUPS_SERVER", "127.0.0.1:1");
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        // Were Qt to fall back to writing a PDF, it would land here.
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        m_noPrinter = "The award was not printed: No printer is set up on this computer, so "
                      "nothing was printed. Set up a printer in the computer's printer settings, "
                      "then try printing again.";
    }

    void cleanupTestCase()
    {
        QCOMPARE(QDir(m_workDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void textsAndLooks_data() { addAwardRows(); }
    void textsAndLooks()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);

        auto* label1 = award.control<QLabel>("Label1");
        auto* label2 = award.control<QLabel>("Label2");
        QCOMPARE(label1->text(), QString("Congratulations, you are doing a great job.  For doing "
                                         "such a great job, you can print out a award for your work."));
        QCOMPARE(label2->text(), QString("The award looks like this, press the print button to "
                                         "print the award out,  or click continue to move on."));
        auto* command1 = award.control<QPushButton>("Command1");
        auto* command2 = award.control<QPushButton>("Command2");
        QCOMPARE(command1->text(), QString("Print Award"));
        QCOMPARE(command2->text(), QString("Continue"));

        for (QLabel* label : {label1, label2}) {
            QCOMPARE(label->font().family(), QString("Liberation Sans"));
            QCOMPARE(label->font().pixelSize(), 21); // 15.75 pt
            QVERIFY(label->font().bold());
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window),
                     QApplication::palette(label).color(QPalette::Window));
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     QApplication::palette(label).color(QPalette::WindowText));
            // The whole saying is readable: its wrapped lines fit the label.
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->contentsRect().width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->contentsRect().height(),
                     qPrintable(QString("%1 needs %2 px, has %3")
                                    .arg(label->objectName()).arg(needed.height())
                                    .arg(label->contentsRect().height())));
        }
        for (QPushButton* button : {command1, command2}) {
            QCOMPARE(button->font().family(), QString("Liberation Sans"));
            QCOMPARE(button->font().pixelSize(), 16); // 12 pt
            QVERIFY(button->font().bold());
        }

        auto* picture1 = award.control<QLabel>("Picture1");
        QCOMPARE(picture1->frameShadow(), QFrame::Sunken);
        QVERIFY(picture1->frameWidth() > 0);
    }

    void designCertificateDrawnAtItsOwnSize_data() { addAwardRows(); }
    void designCertificateDrawnAtItsOwnSize()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);

        const QImage certificate = rgb(builtInPicture(certificateOf(id)).toImage());
        QCOMPARE(certificate.size(), QSize(505, 344));
        QCOMPARE(shownIn(award), certificate);

        // What the child sees in the box: the certificate pixel for pixel, from
        // the top-left corner inside the sunken border.
        auto* box = award.control<QLabel>("Picture1");
        const QImage seen = rgb(box->grab().toImage());
        const QRect inside = box->contentsRect();
        QCOMPARE(seen.copy(QRect(inside.topLeft(), certificate.size())), certificate);

        // The file that "Print Award" reads holds the very same certificate.
        const PictureFile::Loaded file = PictureFile::load(programFilePath(QString("\\") + fileOf(id)));
        QVERIFY2(file.ok(), qPrintable(file.problem));
        QFile bytes(programFilePath(QString("\\") + fileOf(id)));
        QVERIFY(bytes.open(QIODevice::ReadOnly));
        const QByteArray header = bytes.read(30);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24)); // bits a pixel
        QCOMPARE(rgb(file.picture), certificate);
    }

    void eachSubjectHasItsOwnCertificate()
    {
        // The four differ only in their subject line, so no two may be alike.
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                QVERIFY2(builtInPicture(certificateOf(kAwards[a])).toImage()
                             != builtInPicture(certificateOf(kAwards[b])).toImage(),
                         qPrintable(certificateOf(kAwards[a]) + " = " + certificateOf(kAwards[b])));
    }

    void placesOfTheControls_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QPoint>("label1");
        QTest::addColumn<QPoint>("label2");
        QTest::addColumn<QPoint>("picture1");
        QTest::addColumn<QPoint>("command1");
        QTest::addColumn<QPoint>("command2");
        QTest::newRow("awardcolor") << ScreenId::awardcolor << QPoint(120, 0) << QPoint(0, 1200)
                                    << QPoint(120, 2040) << QPoint(1680, 7320) << QPoint(4920, 7320);
        QTest::newRow("awardshape") << ScreenId::awardshape << QPoint(120, 120) << QPoint(0, 1320)
                                    << QPoint(240, 2040) << QPoint(1680, 7320) << QPoint(4920, 7320);
        QTest::newRow("awardword") << ScreenId::awardword << QPoint(120, 0) << QPoint(0, 1200)
                                   << QPoint(240, 1920) << QPoint(1800, 7320) << QPoint(5040, 7320);
        QTest::newRow("awardmath") << ScreenId::awardmath << QPoint(0, 0) << QPoint(0, 1200)
                                   << QPoint(0, 2040) << QPoint(1560, 7320) << QPoint(4800, 7320);
    }
    void placesOfTheControls()
    {
        QFETCH(ScreenId, id);
        QFETCH(QPoint, label1);
        QFETCH(QPoint, label2);
        QFETCH(QPoint, picture1);
        QFETCH(QPoint, command1);
        QFETCH(QPoint, command2);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);

        auto expect = [&](const char* name, QPoint twips, QSize sizeTwips) {
            const QRect wanted(twips / kTwipsPerPixel, sizeTwips / kTwipsPerPixel);
            QCOMPARE(award.control(name)->geometry(), wanted);
        };
        expect("Label1", label1, QSize(7935, 1335));
        expect("Label2", label2, QSize(8055, 855));
        expect("Picture1", picture1, QSize(7695, 5295));
        expect("Command1", command1, QSize(1455, 855));
        expect("Command2", command2, QSize(1455, 855));
    }

    void theTopmostControlTakesTheClick_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QPoint>("where"); // twips
        QTest::addColumn<QString>("expected");
        // Label2 lies over the lower edge of Label1, Picture1 over the lower edge of
        // Label2 and, where it reaches them, over the top edge of the buttons.
        for (ScreenId id : kAwards) {
            const QString name = screenName(id);
            const int label2Top = id == ScreenId::awardshape ? 1320 : 1200;
            QTest::newRow(qPrintable(name + " Label2 over Label1"))
                << id << QPoint(4000, label2Top + 30) << "Label2";
            QTest::newRow(qPrintable(name + " Picture1 over Label2"))
                << id << QPoint(4000, id == ScreenId::awardword ? 1950 : 2045) << "Picture1";
        }
        QTest::newRow("awardcolor Picture1 over Command1") << ScreenId::awardcolor << QPoint(2100, 7325) << "Picture1";
        QTest::newRow("awardmath Picture1 over Command2") << ScreenId::awardmath << QPoint(5200, 7325) << "Picture1";
        QTest::newRow("awardword Command1 below Picture1") << ScreenId::awardword << QPoint(2200, 7325) << "Command1";
    }
    void theTopmostControlTakesTheClick()
    {
        QFETCH(ScreenId, id);
        QFETCH(QPoint, where);
        QFETCH(QString, expected);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);
        const QImage before = shownIn(award);

        QWidget* hit = clickAt(award, where);
        QCOMPARE(hit->objectName(), expected);
        if (expected != "Command1") {
            // A click on the picture or a label neither prints nor hides.
            QCOMPARE(reports.messages, QStringList());
            QVERIFY(award.isVisible());
            QCOMPARE(shownIn(award), before);
        } else {
            QCOMPARE(reports.messages, QStringList{m_noPrinter});
        }
    }

    void spaceBarOnArrival_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("focused");
        QTest::newRow("awardcolor") << ScreenId::awardcolor << "Command1";
        QTest::newRow("awardshape") << ScreenId::awardshape << "Command1";
        QTest::newRow("awardword") << ScreenId::awardword << "Command2";
        QTest::newRow("awardmath") << ScreenId::awardmath << "Command2";
    }
    void spaceBarOnArrival()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, focused);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        Screen& award = registry.reference(id);
        const bool prints = focused == "Command1";

        // The award comes up three times: first, after Continue, and after the
        // child clicked about on it; each time the space bar does the same.
        for (int arrival = 0; arrival < 3; ++arrival) {
            QVERIFY(registry.show(id));
            if (arrival == 0) {
                QVERIFY(QTest::qWaitForWindowActive(award.window()));
                QCOMPARE(nameOf(QApplication::focusWidget()), focused);
            }
            // The button the window gives the keyboard to whenever it is active.
            QWidget* keyboard = award.window()->focusWidget();
            QCOMPARE(nameOf(keyboard), focused);

            reports.messages.clear();
            QTest::keyClick(keyboard, Qt::Key_Space);
            if (prints) {
                QCOMPARE(reports.messages, QStringList{m_noPrinter});
                QVERIFY(award.isVisible());
                // Leave by Continue, which takes the focus along with the click.
                click(award, "Command2");
                QCOMPARE(nameOf(award.window()->focusWidget()), QString("Command2"));
            } else {
                QCOMPARE(reports.messages, QStringList());
            }
            QVERIFY(!award.isVisible());
            QVERIFY(award.isLoaded());
            QVERIFY(main.isVisible());
            if (arrival == 1) {
                // Clicked about before leaving: on the picture, on "Print Award".
                QVERIFY(registry.show(id));
                click(award, "Picture1");
                click(award, "Command1");
                QCOMPARE(nameOf(award.window()->focusWidget()), QString("Command1"));
                click(award, "Command2");
                QVERIFY(!award.isVisible());
            }
        }
    }

    void tabOrder_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("order");
        const QStringList forward{"Command1", "Command2", "Picture1"};
        const QStringList backward{"Command2", "Command1", "Picture1"};
        QTest::newRow("awardcolor") << ScreenId::awardcolor << forward;
        QTest::newRow("awardshape") << ScreenId::awardshape << forward;
        QTest::newRow("awardword") << ScreenId::awardword << backward;
        QTest::newRow("awardmath") << ScreenId::awardmath << backward;
    }
    void tabOrder()
    {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, order);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);
        QVERIFY(QTest::qWaitForWindowActive(award.window()));

        // Labels take no focus: the tab key walks the buttons and the picture.
        QStringList walked{nameOf(QApplication::focusWidget())};
        for (int step = 0; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << nameOf(QApplication::focusWidget());
        }
        QCOMPARE(walked, order + QStringList{order.first()});
    }

    void continueHidesOnlyTheAward()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        main.control("Command1")->setFocus();
        QTest::mouseClick(main.control("Command1"), Qt::LeftButton); // the board is revealed
        QVERIFY(registry.show(ScreenId::awardword));
        Screen& award = registry.reference(ScreenId::awardword);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);

        click(award, "Command2");
        QVERIFY(!award.isVisible());
        QVERIFY(award.isLoaded());
        QVERIFY(main.isVisible());
        QVERIFY(!main.control("Image2")->isVisible());
        QCOMPARE(ended.count(), 0);
    }

    void exitProgramUnloadsOnlyTheAward_data() { addAwardRows(); }
    void exitProgramUnloadsOnlyTheAward()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        QVERIFY(registry.show(id));
        Screen& main = registry.reference(ScreenId::SproutMain);
        Screen& award = registry.reference(id);
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);

        chooseMenu(award, "mnuExit");
        settle();
        QVERIFY(!award.isLoaded());
        QVERIFY(main.isVisible());
        QCOMPARE(ended.count(), 0);

        // Shown again, it is built afresh from its design.
        QVERIFY(registry.show(id));
        QCOMPARE(shownIn(award), rgb(builtInPicture(certificateOf(id)).toImage()));
        QVERIFY(QTest::qWaitForWindowActive(award.window()));
        QCOMPARE(nameOf(QApplication::focusWidget()),
                 QString(id == ScreenId::awardcolor || id == ScreenId::awardshape ? "Command1"
                                                                                   : "Command2"));
    }

    void noPrinterLeavesTheAwardAsItWas_data() { addAwardRows(); }
    void noPrinterLeavesTheAwardAsItWas()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);
        // A file that differs from the design, so that a change would show.
        QTemporaryDir folder;
        QImage other = rgb(builtInPicture("certificate-color").toImage()).mirrored(true, false);
        QVERIFY(other.convertToFormat(QImage::Format_RGB888).save(folder.filePath(fileOf(id)), "BMP"));
        registry.reference<AwardScreen>(id).setPictureFolder(folder.path());
        const QImage design = shownIn(award);

        for (int press = 1; press <= 2; ++press) {
            click(award, "Command1");
            QCOMPARE(reports.messages.size(), press);
            QCOMPARE(reports.messages.last(), m_noPrinter);
            QCOMPARE(shownIn(award), design);
            QVERIFY(award.isVisible());
        }
    }

    void unreadableAwardFile_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("problem");
        for (ScreenId id : kAwards)
            QTest::newRow(qPrintable(QString(screenName(id)) + " missing"))
                << id << QByteArray() << "is missing from the program's folder";
        QTest::newRow("awardcolor not a picture")
            << ScreenId::awardcolor << QByteArray("Dear parent, this is a letter.") << "is not a picture";
        QTest::newRow("awardmath cut short")
            << ScreenId::awardmath << QByteArray("BM\x36\x00\x0c\x00\x00\x00", 8) << "";
    }
    void unreadableAwardFile()
    {
        QFETCH(ScreenId, id);
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);

        // A folder with every other award file, so the screen must read its own.
        QTemporaryDir folder;
        for (ScreenId other : kAwards)
            if (other != id)
                QVERIFY(QFile::copy(programFilePath(QString("\\") + fileOf(other)),
                                    folder.filePath(fileOf(other))));
        if (!content.isEmpty()) {
            QFile file(folder.filePath(fileOf(id)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        registry.reference<AwardScreen>(id).setPictureFolder(folder.path());
        const QImage design = shownIn(award);

        click(award, "Command1");
        QCOMPARE(reports.messages.size(), 1);
        const QString message = reports.messages.first();
        QVERIFY2(message.startsWith("A picture cannot be read: "), qPrintable(message));
        QVERIFY2(message.contains(fileOf(id)), qPrintable(message));
        QVERIFY2(message.contains(problem), qPrintable(message));
        QVERIFY2(message.endsWith("The award was not printed; everything else goes on working."),
                 qPrintable(message));
        QCOMPARE(shownIn(award), design);
        QVERIFY(award.isVisible());

        // Continue still works, and the screen goes on reading its file afresh.
        QFile::remove(folder.filePath(fileOf(id)));
        QVERIFY(QFile::copy(programFilePath(QString("\\") + fileOf(id)), folder.filePath(fileOf(id))));
        click(award, "Command1");
        QCOMPARE(reports.messages.size(), 2);
        QCOMPARE(reports.messages.last(), m_noPrinter); // read, then on to the printer
        click(award, "Command2");
        QVERIFY(!award.isVisible());
    }

    void mathCarriesItsCertificateBeneathEverything_data() { addAwardRows(); }
    void mathCarriesItsCertificateBeneathEverything()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& award = registry.reference(id);
        QWidget* client = award.client();
        const QImage certificate = rgb(builtInPicture("certificate-math").toImage());

        // Every point of the certificate's area lies under some control.
        const QSize size = certificate.size();
        if (id == ScreenId::awardmath) {
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (!client->childAt(x, y))
                        QFAIL(qPrintable(QString("%1,%2 uncovered").arg(x).arg(y)));
        }

        // Without its controls the window shows what lies beneath them.
        for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->hide();
        const QImage bare = rgb(client->grab().toImage());
        const bool carriesIt = bare.copy(QRect(QPoint(), size)) == certificate;
        QCOMPARE(carriesIt, id == ScreenId::awardmath);
    }
};

QTEST_MAIN(TestAwards)
#include "tst_awards.moc"
