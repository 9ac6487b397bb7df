#include "controls/qt/QtToolkit.h"

#include "controls/qt/QtForm.h"

#include <QApplication>
#include <QLocale>

namespace controls {

namespace {

// The program's own toolkit holds its QApplication for the whole run.
class QtProgram : public QtToolkit
{
public:
    QtProgram(int& argc, char** argv, const std::string& name, const std::string& version)
        : application_(argc, argv)
    {
        QApplication::setApplicationName(QString::fromStdString(name));
        QApplication::setApplicationVersion(QString::fromStdString(version));
    }

private:
    QApplication application_;
};

} // namespace

std::unique_ptr<Form> QtToolkit::createForm(const FormDescription& description)
{
    return std::make_unique<QtForm>(description);
}

std::string QtToolkit::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

int QtToolkit::exec()
{
    return QApplication::exec();
}

std::unique_ptr<Toolkit> makeToolkit(int& argc, char** argv, const std::string& name, const std::string& version)
{
    return std::make_unique<QtProgram>(argc, argv, name, version);
}

} // namespace controls
