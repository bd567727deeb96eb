#include "main_window.h"
#include "message_presenter.h"
#include "startup_trace.h"
#include "toolkit.h"
#include "version.h"

// The program takes no arguments and reads none.
int main()
{
    ionvale::traceStartup("main entered");
    ionvale::toolkit::Session session(ionvale::applicationTitle, ionvale::displayVersion, ionvale::applicationId);
    ionvale::traceStartup("application object");
    ionvale::MainWindow form1;
    ionvale::traceStartup("window built");
    form1.show();
    ionvale::traceStartup("window shown");
    return session.run();
}
