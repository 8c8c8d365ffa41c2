#include "app/application.h"

#include "app/errors.h"
#include "app/fprincip.h"
#include "app/platform.h"
#include "compare/fcompare.h"
#include "help/apropos.h"
#include "output/fimprime.h"
#include "output/fresultatcomb.h"
#include "storage/fparametre.h"

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
