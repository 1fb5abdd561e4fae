// mirelle: the manual viewer that the calculator starts from Help > User Manual.
#include "LedraApp.h"

int main(int argc, char** argv) {
    mirelle::CLedraApp application(argc, argv);
    if (!application.InitInstance())
        return 1;
    return mirelle::CLedraApp::exec();
}
