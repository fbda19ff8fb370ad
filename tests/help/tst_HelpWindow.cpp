#include "HelpWindow.h"
#include "ProgramLanguage.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {

QString readPage(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList fileNamesOf(const QList<QUrl>& pages) {
    QStringList names;
    for (const QUrl& page : pages)
        names << page.fileName();
    return names;
}

QString firstHeadingOf(const QString& html) {
    static const QRegularExpression firstHeading(QStringLiteral("<h[1-6]>([^<]*)</h"));
    return firstHeading.match(html).captured(1);
}

// The languages both programs' help pages are translated into.
const QStringList kLanguages = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                QStringLiteral("pt_BR")};

QStringList linksOf(const QString& html) {
    QStringList links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto it = href.globalMatch(html); it.hasNext();)
        links << it.next().captured(1);
    return links;
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void everyPageHasATitleAndEveryLinkLeadsToAPage_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringList{QString()} + kLanguages) {
            const QString name = language.isEmpty() ? QStringLiteral("en") : language;
            QTest::newRow(qPrintable("Beatwise " + name))
                << int(HelpWindow::Program::Beatwise) << language;
            QTest::newRow(qPrintable("Tonewise " + name))
                << int(HelpWindow::Program::Tonewise) << language;
        }
    }
    void everyPageHasATitleAndEveryLinkLeadsToAPage() {
        QFETCH(int, program);
        QFETCH(QString, language);
        const auto which = HelpWindow::Program(program);
        const QList<QUrl> pages = HelpWindow::pages(which, language);
        QVERIFY(pages.size() >= 8);
        const QUrl contents = HelpWindow::contentsUrl(which, language);
        QVERIFY(pages.contains(contents));
        // Every page and every link stays within the language's own pages.
        const QString folder = QFileInfo(contents.path()).path();
        QSet<QUrl> reached{contents};
        for (const QUrl& page : pages) {
            const QString html = readPage(page);
            QVERIFY2(html.contains(QLatin1String("<title>")), qPrintable(page.toString()));
            for (const QString& link : linksOf(html)) {
                const QUrl target = page.resolved(QUrl(link));
                QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()),
                         qPrintable(page.toString() + " -> " + link));
                QVERIFY2(target.scheme() != QLatin1String("qrc") ||
                             QFileInfo(target.path()).path() == folder,
                         qPrintable(page.toString() + " -> " + link));
                reached.insert(target);
            }
        }
        // No page is left without a way to it.
        for (const QUrl& page : pages)
            QVERIFY2(reached.contains(page), qPrintable(page.toString()));
    }

    void everyLanguageHasTheEnglishPages() {
        for (auto program : {HelpWindow::Program::Beatwise, HelpWindow::Program::Tonewise}) {
            QCOMPARE(HelpWindow::languages(program), kLanguages);
            const QStringList english = fileNamesOf(HelpWindow::pages(program));
            for (const QString& language : kLanguages) {
                QCOMPARE(fileNamesOf(HelpWindow::pages(program, language)), english);
                QVERIFY(HelpWindow::contentsUrl(program, language) !=
                        HelpWindow::contentsUrl(program));
            }
            // A language without pages of its own gets the English ones.
            QCOMPARE(HelpWindow::contentsUrl(program, QStringLiteral("it")),
                     HelpWindow::contentsUrl(program));
        }
    }

    void opensInTheProgramsLanguage() {
        {
            ProgramLanguage spanish(QStringLiteral("tonewise"), QStringLiteral("es"));
            QVERIFY(spanish.isTranslated());
            QCOMPARE(ProgramLanguage::current(), QStringLiteral("es"));
            HelpWindow help(HelpWindow::Program::Tonewise);
            QCOMPARE(help.language(), QStringLiteral("es"));
            help.showContents();
            QTextBrowser* browser = help.browser();
            const QUrl contents =
                HelpWindow::contentsUrl(HelpWindow::Program::Tonewise, QStringLiteral("es"));
            QCOMPARE(browser->source(), contents);
            QCOMPARE(firstHeadingOf(readPage(contents)), QStringLiteral("CÓMO USAR TONEWISE"));
            QVERIFY(browser->toPlainText().contains(QStringLiteral("CÓMO USAR TONEWISE")));
            // The links lead to the Spanish pages, and the Contents button back to Spanish.
            browser->setSource(QUrl(QStringLiteral("howto.html")));
            QCOMPARE(browser->documentTitle(),
                     QStringLiteral("Contenido y orden de las preguntas"));
            QCOMPARE(help.windowTitle(),
                     QStringLiteral("Ayuda de Tonewise - Contenido y orden de las preguntas"));
            QPushButton* contentsButton = nullptr;
            for (auto* button : help.findChildren<QPushButton*>())
                if (button->text() == QLatin1String("Contenido"))
                    contentsButton = button;
            QVERIFY(contentsButton);
            contentsButton->click();
            QCOMPARE(browser->source(), contents);
        }
        // Back in English, the help is in English again.
        QVERIFY(ProgramLanguage::current().isEmpty());
        HelpWindow help(HelpWindow::Program::Tonewise);
        QVERIFY(help.language().isEmpty());
        help.showContents();
        QCOMPARE(help.browser()->source(), HelpWindow::contentsUrl(HelpWindow::Program::Tonewise));
    }

    void contentsCoverTheTopics() {
        const QStringList beatwise =
            linksOf(readPage(HelpWindow::contentsUrl(HelpWindow::Program::Beatwise)));
        for (const char* topic :
             {"hearing.html", "levels.html", "tempo.html", "advance.html", "quizzes.html"})
            QVERIFY2(beatwise.contains(QLatin1String(topic)), topic);
        const QStringList tonewise =
            linksOf(readPage(HelpWindow::contentsUrl(HelpWindow::Program::Tonewise)));
        for (const char* topic : {"howto.html", "keys.html", "levels.html", "pitches.html",
                                  "intervals.html", "names.html", "advance.html", "quizzes.html"})
            QVERIFY2(tonewise.contains(QLatin1String(topic)), topic);
        // The start-up box sends students to "HOW TO USE TONEWISE", "Question Content and Order".
        const QString contents = readPage(HelpWindow::contentsUrl(HelpWindow::Program::Tonewise));
        static const QRegularExpression firstHeading(QStringLiteral("<h[1-6]>([^<]*)</h"));
        QCOMPARE(firstHeading.match(contents).captured(1), QStringLiteral("HOW TO USE TONEWISE"));
        QVERIFY(contents.contains(QLatin1String("Question Content and Order")));
        const QString howTo = readPage(
            HelpWindow::contentsUrl(HelpWindow::Program::Tonewise).resolved(QUrl("howto.html")));
        QVERIFY(howTo.contains(QLatin1String("<title>Question Content and Order</title>")));
        // Both say where the score files are.
        for (auto program : {HelpWindow::Program::Beatwise, HelpWindow::Program::Tonewise}) {
            const QUrl quizzes = HelpWindow::contentsUrl(program).resolved(QUrl("quizzes.html"));
            QVERIFY(readPage(quizzes).contains(QLatin1String("~/Qor_Music/")));
        }
    }

    void opensAtContentsAndFollowsLinks() {
        HelpWindow help(HelpWindow::Program::Tonewise);
        help.showContents();
        QVERIFY(help.isVisible());
        QTextBrowser* browser = help.browser();
        QCOMPARE(browser->source(), HelpWindow::contentsUrl(HelpWindow::Program::Tonewise));
        QCOMPARE(help.windowTitle(), QStringLiteral("Tonewise Help"));
        QVERIFY(!browser->isBackwardAvailable());

        browser->setSource(QUrl(QStringLiteral("howto.html")));
        QCOMPARE(help.windowTitle(), QStringLiteral("Tonewise Help - Question Content and Order"));
        browser->backward();

        browser->setSource(QUrl(QStringLiteral("intervals.html")));
        QVERIFY(browser->toPlainText().contains(QLatin1String("Perfect 11")));
        QCOMPARE(help.windowTitle(), QStringLiteral("Tonewise Help - Intervals practice"));
        QVERIFY(browser->isBackwardAvailable());
        browser->backward();
        QCOMPARE(browser->source(), HelpWindow::contentsUrl(HelpWindow::Program::Tonewise));

        // Opening again starts at the contents with a fresh history.
        browser->setSource(QUrl(QStringLiteral("keys.html")));
        help.showContents();
        QCOMPARE(browser->source(), HelpWindow::contentsUrl(HelpWindow::Program::Tonewise));
        QVERIFY(!browser->isBackwardAvailable());
    }

    void isItsOwnWindowUnderAParent() {
        QWidget main;
        auto* help = new HelpWindow(HelpWindow::Program::Beatwise, &main);
        QVERIFY(help->isWindow());
        QCOMPARE(help->parent(), &main);
        help->showContents();
        QVERIFY(help->browser()->toPlainText().contains(QLatin1String("Beatwise Help")));
    }

    void closesWithEscapeOrCtrlW() {
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            HelpWindow help(HelpWindow::Program::Tonewise);
            help.showContents();
            QVERIFY(QTest::qWaitForWindowActive(&help));
            // The reader's focus is in the page.
            help.browser()->setFocus();
            QTest::keySequence(help.browser(), keys);
            QVERIFY2(!help.isVisible(), qPrintable(keys.toString()));
            // And it opens again.
            help.showContents();
            QVERIFY(help.isVisible());
        }
    }

    void opensOverItsProgramAndOnTheScreen_data() {
        QTest::addColumn<QRect>("program");
        // A program window in the middle of the screen, one in a corner, one filling it.
        QTest::newRow("middle") << QRect(250, 180, 300, 240);
        QTest::newRow("corner") << QRect(500, 380, 280, 200);
        QTest::newRow("maximised") << QRect(QPoint(), QSize(-1, -1));
    }
    void opensOverItsProgramAndOnTheScreen() {
        QFETCH(QRect, program);
        QWidget main;
        const QRect screen = main.screen()->availableGeometry();
        if (program.isValid())
            main.setGeometry(program);
        else
            main.setGeometry(screen);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* help = new HelpWindow(HelpWindow::Program::Beatwise, &main);
        help->showContents();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QRect frame = help->frameGeometry();
        const QString shown = QStringLiteral("%1,%2 %3x%4")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height());
        QVERIFY2(screen.contains(frame), qPrintable(shown));
        // Centred over the program as far as the screen lets it be.
        QRect expected(QPoint(), frame.size());
        expected.moveCenter(main.frameGeometry().center());
        expected.moveRight(std::min(expected.right(), screen.right()));
        expected.moveBottom(std::min(expected.bottom(), screen.bottom()));
        expected.moveLeft(std::max(expected.left(), screen.left()));
        expected.moveTop(std::max(expected.top(), screen.top()));
        QVERIFY2((frame.topLeft() - expected.topLeft()).manhattanLength() <= 2, qPrintable(shown));
        QVERIFY(frame.intersects(main.frameGeometry()));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
