#include "app/Drelvik.h"
#include "controls/Toolkit.h"
#include "resources/VersionInfo.h"

#include <memory>

// The toolkit and the window live on the heap: in a browser the page goes on
// dispatching events once main()'s stack has been given up.
int main(int argc, char* argv[])
{
    const auto toolkit = controls::makeToolkit(argc, argv, DRELVIK_INTERNAL_NAME, DRELVIK_VERSION_TEXT);
    const auto drelvik = std::make_unique<Drelvik>(*toolkit);
    drelvik->show();
    return toolkit->exec();
}
