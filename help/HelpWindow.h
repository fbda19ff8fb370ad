#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help of either program: our own HTML pages, compiled into the program, shown in a
// browser window with a contents page, links between pages, and Back / Forward / Contents.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    enum class Program { Beatwise, Tonewise };

    // A separate window even when it has a parent (the parent only owns it).
    explicit HelpWindow(Program program, QWidget* parent = nullptr);
    ~HelpWindow() override;

    static QUrl contentsUrl(Program program);
    // Every page of a program's help.
    static QList<QUrl> pages(Program program);

    Program program() const { return program_; }
    QTextBrowser* browser() const { return browser_; }

    // Opens the help at its contents page and brings the window to the front.
    void showContents();

private:
    void updateTitle();

    Program program_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* contents_;
};
