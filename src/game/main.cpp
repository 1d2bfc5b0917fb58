#include "Main.h"
#include "framework/Application.h"
#include "framework/Translation.h"

int main(int argc, char** argv) {
    orv::TApplication application(argc, argv);
    // The toolkit's own buttons and menus speak the program's language.
    orv::LoadToolkitTranslation("ja");
    application.SetTitle(orv::TMainForm::kProgramName);
    application.SetIcon("MAINICON");
    application.SetDesktopEntry("orbit-raven");
    return application.Execute([&application] {
        // Owned by the application, so it is destroyed when the loop has ended.
        auto* mainForm = new orv::TMainForm(&application);
        mainForm->Show();
    });
}
