#include "HelpWindow.h"

#include "ProgramLanguage.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString englishFolderOf(HelpWindow::Program program) {
    return program == HelpWindow::Program::Beatwise ? QStringLiteral(":/help/beatwise")
                                                    : QStringLiteral(":/help/tonewise");
}

// The English pages are in the program's folder, those of each language in a folder beside
// them named after it.
QString folderOf(HelpWindow::Program program, const QString& language) {
    if (language.isEmpty() || !HelpWindow::languages(program).contains(language))
        return englishFolderOf(program);
    return englishFolderOf(program) + QLatin1Char('/') + language;
}

// The size the window opens at, when the screen has room for it.
constexpr QSize kPreferredSize(640, 560);

QString titleOf(HelpWindow::Program program) {
    return program == HelpWindow::Program::Beatwise ? HelpWindow::tr("Beatwise Help")
                                                    : HelpWindow::tr("Tonewise Help");
}

} // namespace

HelpWindow::HelpWindow(Program program, QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), language_(ProgramLanguage::current()),
      browser_(new QTextBrowser(this)), back_(new QPushButton(tr("Back"), this)),
      forward_(new QPushButton(tr("Forward"), this)),
      contents_(new QPushButton(tr("Contents"), this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(titleOf(program));
    resize(kPreferredSize);

    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    if (!languages(program).contains(language_))
        language_.clear();
    browser_->setSearchPaths({folderOf(program, language_)});
    // One look for every page of both programs.
    QFile css(QStringLiteral(":/help/help.css"));
    if (css.open(QIODevice::ReadOnly))
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    // Pages of our own open here; anything else goes to the system's browser.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QPushButton::clicked, this,
            [this] { browser_->setSource(contentsUrl(program_, language_)); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { updateTitle(); });

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

HelpWindow::~HelpWindow() = default;

QStringList HelpWindow::languages(Program program) {
    return QDir(englishFolderOf(program)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QUrl HelpWindow::contentsUrl(Program program, const QString& language) {
    return QUrl(QStringLiteral("qrc") + folderOf(program, language) +
                QStringLiteral("/index.html"));
}

QList<QUrl> HelpWindow::pages(Program program, const QString& language) {
    QList<QUrl> urls;
    const QDir folder(folderOf(program, language));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        urls << QUrl(QStringLiteral("qrc") + folder.filePath(name));
    return urls;
}

void HelpWindow::showContents() {
    browser_->setSource(contentsUrl(program_, language_));
    browser_->clearHistory();
    if (!isVisible())
        placeOverProgram();
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void HelpWindow::placeOverProgram() {
    const QWidget* program = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* shown = program ? program->screen() : screen();
    if (!shown)
        return;
    const QRect room = shown->availableGeometry();
    // The frame the window will get, as its program's window has it: before the window is
    // shown its own is not known yet.
    const QWidget* framed = program ? program : this;
    const QSize frame = framed->frameGeometry().size() - framed->geometry().size();
    resize(kPreferredSize.boundedTo(room.size() - frame));
    QRect placed(QPoint(), size() + frame);
    placed.moveCenter(program ? program->frameGeometry().center() : room.center());
    // Wholly on the screen, its title bar first.
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    move(placed.topLeft());
}

void HelpWindow::updateTitle() {
    const QString page = browser_->documentTitle();
    const QString program = titleOf(program_);
    setWindowTitle(page.isEmpty() || page == program ? program : program + " - " + page);
}
