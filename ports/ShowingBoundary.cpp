#include "ShowingBoundary.h"

#include "Dialogs.h"
#include "Failure.h"

void ShowingBoundary::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Failure& failure) {
        dialogs_.error(failure.text());
    } catch (const std::exception& failure) {
        // Our exceptions carry their text as UTF-8, whatever the system's code page.
        dialogs_.error(QString::fromUtf8(failure.what()));
    }
    if (after_)
        after_();
}
