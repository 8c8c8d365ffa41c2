#include "gui/application.h"

#include "gui/dialogbase.h"
#include "core/errors.h"
#include "gui/fprincip.h"
#include "core/platform.h"
#include "gui/fcompare.h"
#include "gui/apropos.h"
#include "gui/fimprime.h"
#include "gui/fresultatcomb.h"
#include "gui/fparametre.h"

#include <QGuiApplication>

QuillonApplication::QuillonApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool QuillonApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    quillon::runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

namespace quillon {

void showUnhandledError(const QString &text)
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (Prompts *prompts = platform().prompts)
        prompts->message(text, QStringLiteral("QUILLON"), Prompts::Buttons::Ok, Prompts::Icon::Error);
}

void runGuarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const QuillonError &e) {
        showUnhandledError(e.text());
    } catch (const std::exception &e) {
        showUnhandledError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showUnhandledError(QStringLiteral("Erreur"));
    }
}

AppWindows &windows()
{
    static AppWindows w;
    return w;
}

void createWindows()
{
    // The design font is the default: controls inside styled group boxes take the
    // application's font rather than their window's.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    AppWindows &w = windows();
    w.fprincip = new Tfprincip;
    w.fresultatcomb = new Tfresultatcomb(w.fprincip);
    w.fcompare = new Tfcompare(w.fprincip);
    w.apropos = new Tapropos(w.fprincip);
    w.fparametre = new Tfparametre(w.fprincip);
    w.fimprime = new Tfimprime(w.fprincip);
}

void destroyWindows()
{
    delete windows().fprincip; // owns the secondary windows
    windows() = AppWindows{};
}

} // namespace quillon
