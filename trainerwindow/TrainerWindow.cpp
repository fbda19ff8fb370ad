#include "TrainerWindow.h"

#include "TElasticForm.h"

#include <QCloseEvent>
#include <QCoreApplication>

TrainerWindow::TrainerWindow(Dialogs& boxes, QWidget* parent)
    : QMainWindow(parent), dialogs_(boxes, [this] { showState(); }),
      boundary_(dialogs_, [this] { showState(); }) {}

TrainerWindow::~TrainerWindow() = default;

void TrainerWindow::showState() {
    menus_.show();
    showControls();
}

HelpWindow* TrainerWindow::helpWindow() const {
    return help_;
}

bool TrainerWindow::startedUp() const {
    return isMaximized() && ElasticForm1 && ElasticForm1->isCaptured();
}

QWidget* TrainerWindow::buildClientArea(const QColor& colour, const QFont& font,
                                        const QSize& size) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, colour);
    client->setPalette(palette);
    client->setFont(font);
    resize(size);
    return client;
}

void TrainerWindow::buildScaler(const Design& design) {
    ElasticForm1 = new TElasticForm(this);
    ElasticForm1->setObjectName(QStringLiteral("ElasticForm1"));
    ElasticForm1->setDesignScreenWidth(design.screen.width());
    ElasticForm1->setDesignScreenHeight(design.screen.height());
    ElasticForm1->setDesignPixelsPerInch(design.pixelsPerInch);
    ElasticForm1->setDesignFormWidth(design.form.width());
    ElasticForm1->setDesignFormHeight(design.form.height());
    ElasticForm1->setDesignFormClientWidth(design.client.width());
    ElasticForm1->setDesignFormClientHeight(design.client.height());
    ElasticForm1->setDesignFormLeft(design.form.left());
    ElasticForm1->setDesignFormTop(design.form.top());
    ElasticForm1->setFont(design.font);
    if (!design.activeControl.isEmpty())
        ElasticForm1->setEFActiveControl(design.activeControl);
}

void TrainerWindow::openHelp(HelpWindow::Program program) {
    if (!help_)
        help_ = new HelpWindow(program, this);
    help_->showContents();
}

void TrainerWindow::runWindowCommand(WindowCommand command) {
    if (command == WindowCommand::Exit)
        close();
}

bool TrainerWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        firstActivation();
    }
    return handled;
}

void TrainerWindow::closeEvent(QCloseEvent* event) {
    closing();
    if (help_)
        help_->close();
    event->accept();
    // The program ends with its window, by File > Exit or the window's close button alike: a
    // thread of the sound service that still holds the event loop open must not keep the
    // program running without a window.
    QCoreApplication::quit();
}
