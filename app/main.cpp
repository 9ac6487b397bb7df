#include "app/Drelvik.h"
#include "controls/Application.h"
#include "resources/VersionInfo.h"

int main(int argc, char* argv[])
{
    controls::Application application(argc, argv, DRELVIK_INTERNAL_NAME, DRELVIK_VERSION_TEXT);
    Drelvik drelvik;
    drelvik.show();
    return application.exec();
}
