#include "main_window.h"
#include "message_presenter.h"
#include "toolkit.h"
#include "version.h"

// The program takes no arguments and reads none.
int main()
{
    ionvale::toolkit::Session session(ionvale::applicationTitle, ionvale::displayVersion, ionvale::applicationId);
    ionvale::MainWindow form1;
    form1.show();
    return session.run();
}
