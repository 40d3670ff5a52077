// z3ctl: a headless front end on the same core as the configurator.
#include "CtlCommand.h"
#include "platform/app/ExecutablePath.h"
#include "platform/hid/SystemHidTransport.h"

#include <QCoreApplication>
#include <iostream>
#include <vector>

int main(int argc, char** argv)
{
    z3::ctl::CtlContext context{z3::AppPaths(z3::AppPaths::directoryOf(z3::executablePath())), std::cout,
        std::cerr, [] { return z3::makeSystemHidTransport(); }};
    // Commands that wait for events (listen) run Qt's event loop.
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv, argv + argc);
    return z3::ctl::runCtl(context, args);
}
