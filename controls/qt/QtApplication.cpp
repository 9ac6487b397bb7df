#include "controls/Application.h"

#include <QApplication>

namespace controls {

struct Application::Toolkit {
    Toolkit(int& argc, char** argv)
        : app(argc, argv)
    {
    }
    QApplication app;
};

Application::Application(int& argc, char** argv, const std::string& name, const std::string& version)
    : toolkit_(std::make_unique<Toolkit>(argc, argv))
{
    QApplication::setApplicationName(QString::fromStdString(name));
    QApplication::setApplicationVersion(QString::fromStdString(version));
}

Application::~Application() = default;

int Application::exec()
{
    return QApplication::exec();
}

} // namespace controls
