#include "controls/UserLocale.h"

#include <QLocale>

namespace controls {

std::string userDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace controls
