#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help of either program: our own HTML pages, compiled into the program, shown in a
// browser window with a contents page, links between pages, and Back / Forward / Contents.
// Esc and Ctrl+W close it, as they close other reading windows.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    enum class Program { Beatwise, Tonewise };

    // A separate window even when it has a parent (the parent only owns it). The pages are
    // those of the language the program's texts are shown in, English when it has none.
    explicit HelpWindow(Program program, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The languages a program's help is translated into, as locale names ("es", "pt_BR").
    static QStringList languages(Program program);
    // The help's pages in `language`, a locale name; English when empty or not translated.
    static QUrl contentsUrl(Program program, const QString& language = {});
    // Every page of a program's help.
    static QList<QUrl> pages(Program program, const QString& language = {});

    // The language of the pages shown, empty for English.
    const QString& language() const { return language_; }

    Program program() const { return program_; }
    QTextBrowser* browser() const { return browser_; }

    // Opens the help at its contents page and brings the window to the front. A window that
    // was not open yet opens over its program's window, as large as the screen allows.
    void showContents();

private:
    void updateTitle();
    void placeOverProgram();

    Program program_;
    QString language_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* contents_;
};
