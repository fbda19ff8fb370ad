#include "HelpWindow.h"

#include <QFile>
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
        QTest::newRow("Beatwise") << int(HelpWindow::Program::Beatwise);
        QTest::newRow("Tonewise") << int(HelpWindow::Program::Tonewise);
    }
    void everyPageHasATitleAndEveryLinkLeadsToAPage() {
        QFETCH(int, program);
        const auto which = HelpWindow::Program(program);
        const QList<QUrl> pages = HelpWindow::pages(which);
        QVERIFY(pages.size() >= 8);
        QVERIFY(pages.contains(HelpWindow::contentsUrl(which)));
        QSet<QUrl> reached{HelpWindow::contentsUrl(which)};
        for (const QUrl& page : pages) {
            const QString html = readPage(page);
            QVERIFY2(html.contains(QLatin1String("<title>")), qPrintable(page.toString()));
            for (const QString& link : linksOf(html)) {
                const QUrl target = page.resolved(QUrl(link));
                QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()),
                         qPrintable(page.toString() + " -> " + link));
                reached.insert(target);
            }
        }
        // No page is left without a way to it.
        for (const QUrl& page : pages)
            QVERIFY2(reached.contains(page), qPrintable(page.toString()));
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
};

QTEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
